#include "tools/cli/CommandLine.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <exception>

namespace cli {

std::vector<char*> Arguments::argv(const char* name) {
    std::vector<char*> all{const_cast<char*>(name)};
    for (std::string& argument : leading) all.push_back(argument.data());
    for (std::string& argument : operands) all.push_back(argument.data());
    all.push_back(nullptr);
    return all;
}

std::optional<Arguments> readArguments(const Program& program, int argc, char** argv) {
    Arguments arguments;
    bool afterOptions = false;
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if (afterOptions) {
            arguments.operands.push_back(argument);
        } else if (argument == "--") {
            afterOptions = true;
        } else if (argument == "--help" || argument == "-h") {
            std::fputs(program.usage.c_str(), stdout);
            return std::nullopt;
        } else if (argument == "--version") {
            std::printf("%s (Zarvoline) %s\n", program.name, ZARVOLINE_VERSION);
            return std::nullopt;
        } else {
            arguments.leading.push_back(argument);
        }
    }
    return arguments;
}

int run(const Program& program, int argc, char** argv, const std::function<int(const Arguments&)>& body) {
    try {
        std::optional<Arguments> arguments = readArguments(program, argc, argv);
        return arguments ? body(*arguments) : kExitSuccess;
    } catch (const UsageError& error) {
        printError(program.name, std::string(error.what()) + " (see --help)");
        return kExitUsage;
    } catch (const std::exception& error) {
        printError(program.name, error.what());
        return kExitFailure;
    }
}

void printError(const char* program, const std::string& message) {
    std::string line = message;
    std::replace_if(line.begin(), line.end(), [](char c) { return c == '\n' || c == '\r'; }, ' ');
    std::fprintf(stderr, "%s: %s\n", program, line.c_str());
}

bool hasExtension(const std::string& path, const std::string& extension) {
    if (path.size() <= extension.size()) return false;
    return std::equal(extension.rbegin(), extension.rend(), path.rbegin(), [](char wanted, char given) {
        return wanted == std::tolower(static_cast<unsigned char>(given));
    });
}

void checkPictureName(const std::string& what, const std::string& path) {
    if (!hasExtension(path, ".png"))
        throw UsageError(what + " " + path + " must be named .png: pictures are written as PNG only");
}

}  // namespace cli
