// An output that appears whole or not at all. It is written under a hidden
// temporary name in its own folder and renamed to its name by commit(), so
// nothing ever exists under that name half-written: not when the program
// fails, not when the disk fills or a file-size limit is reached, and not
// when SIGINT, SIGTERM or SIGHUP ends it (the temporary file is removed).
#pragma once

#include <string>

namespace cli {

class OutputFile {
public:
    // Creates the temporary file, so a missing or unwritable folder shows
    // before any work is done. Throws std::runtime_error naming `path`.
    explicit OutputFile(std::string path);
    // Removes the temporary file unless it was committed.
    ~OutputFile();
    OutputFile(const OutputFile&) = delete;
    OutputFile& operator=(const OutputFile&) = delete;

    // The name the output will have.
    const std::string& path() const { return path_; }
    // Where to write it until then.
    const std::string& writingPath() const { return writingPath_; }

    // Gives the written file its name, replacing any file of that name.
    // Throws std::runtime_error (and removes the temporary file) when it cannot.
    void commit();

private:
    std::string path_;
    std::string writingPath_;
    int slot_ = -1;  // in the list the signal handler clears up
};

}  // namespace cli
