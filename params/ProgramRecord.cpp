#include "params/ProgramRecord.h"

#include <cstring>

ProgramRecord::ProgramRecord() {
    for (auto& slot : slots) slot = 0.0f;
    for (int p = 0; p < kNumParams; ++p) setValue(p, kParameterTable[p].freshValue);
    setName("QLX2");
}

void ProgramRecord::setName(const char* text) {
    std::strncpy(name, text, kProgramNameSize - 1);
    name[kProgramNameSize - 1] = 0;
}
