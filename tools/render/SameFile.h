// Whether two paths name the same file: after resolving links, dots and
// relative parts (the files need not exist), or as the same file on disk
// (hard links).
#pragma once

#include <string>

bool sameFile(const std::string& a, const std::string& b);
