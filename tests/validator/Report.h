// What a validation run prints: one line per check ("PASS name", "FAIL name:
// why" or "SKIP name (why)") and a closing count. A check is a function that
// answers why it failed, or nothing when it passed.
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace validator {

class Report {
public:
    // Checks named in `expectedFailures` are known to fail: their failure
    // prints as XFAIL and is not counted, their passing as XPASS and is.
    explicit Report(std::vector<std::string> expectedFailures = {});
    // Runs one check; an exception it lets out is a failure too.
    void run(const std::string& name, const std::function<std::string()>& check);
    void skip(const std::string& name, const std::string& why);
    // Prints "N passed, N failed"; the exit code is 1 if anything failed.
    int finish() const;

private:
    int passed_ = 0, failed_ = 0;
    std::vector<std::string> expectedFailures_;
};

}  // namespace validator
