// What a validation run prints: one line per check ("PASS name", "FAIL name:
// why" or "SKIP name (why)") and "N passed, N failed". A check answers why it
// failed, or nothing; an exception it lets out is a failure too. A check named
// as an expected failure prints XFAIL and is not counted when it fails, and
// prints XPASS and counts as failed when it passes.
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace validator {

class Report {
public:
    explicit Report(std::vector<std::string> expectedFailures);
    void run(const std::string& name, const std::function<std::string()>& check);
    void skip(const std::string& name, const std::string& why);
    int finish() const;  // the exit code: 1 if anything failed

private:
    int passed_ = 0, failed_ = 0;
    std::vector<std::string> expectedFailures_;
};

}  // namespace validator
