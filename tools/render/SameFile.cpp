#include "tools/render/SameFile.h"

#include <filesystem>
#include <system_error>

bool sameFile(const std::string& a, const std::string& b) {
    namespace fs = std::filesystem;
    std::error_code error;
    if (fs::equivalent(a, b, error)) return true;
    const fs::path canonicalA = fs::weakly_canonical(fs::absolute(a, error), error);
    const fs::path canonicalB = fs::weakly_canonical(fs::absolute(b, error), error);
    return canonicalA == canonicalB;
}
