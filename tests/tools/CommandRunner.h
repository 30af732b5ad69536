// Runs a program with arguments and extra environment variables, with its
// standard output and error captured to files, and waits for it.
#pragma once

#include <string>
#include <utility>
#include <vector>

struct CommandResult {
    int exitStatus = -1;  // -1 when it did not exit normally
    std::string out;
    std::string err;
    int errLines() const;
};

CommandResult runCommand(const std::string& program, const std::vector<std::string>& args,
                         const std::string& scratchDir,
                         const std::vector<std::pair<std::string, std::string>>& env = {});

std::string readTextFile(const std::string& path);
