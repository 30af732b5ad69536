// What every program we ship does with its command line: --help prints the
// usage on standard output and --version the product's version, both ending
// the program with status 0; "--" ends the options, so that a file name may
// start with "-"; a command line that makes no sense ends it with one line on
// standard error and status 2, any other failure with one line and status 1.
#pragma once

#include <functional>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace cli {

constexpr int kExitSuccess = 0;
constexpr int kExitFailure = 1;
constexpr int kExitUsage = 2;

// A command line that makes no sense: status 2.
class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct Program {
    const char* name;   // as its messages name it
    std::string usage;  // the whole --help text
};

struct Arguments {
    std::vector<std::string> leading;   // before "--": options and operands, as the program reads them
    std::vector<std::string> operands;  // after "--": operands, even those that start with "-"
    // The program's name, then every argument but the "--", for parsers that walk argv.
    std::vector<char*> argv(const char* name);
};

// The arguments split at their first "--", or nothing when --help or
// --version was among those before it and has been answered.
std::optional<Arguments> readArguments(const Program& program, int argc, char** argv);

// Runs `body` unless --help or --version answered the command line, and
// turns what it throws into one line on standard error and the exit status.
int run(const Program& program, int argc, char** argv, const std::function<int(const Arguments&)>& body);

// One line on standard error, "NAME: MESSAGE", whatever line breaks the message carries.
void printError(const char* program, const std::string& message);

// Whether `path` ends in `extension` (".png"), in any case.
bool hasExtension(const std::string& path, const std::string& extension);

// Throws UsageError unless `path` names a PNG file: a picture is written as
// PNG only, and never under another format's name.
void checkPictureName(const std::string& what, const std::string& path);

// Whether an argument read as an option (before "--") is one: "-" alone is a file name.
inline bool looksLikeOption(const std::string& argument) { return argument.size() > 1 && argument[0] == '-'; }

}  // namespace cli
