#include "lv2/ui/ReadoutTexts.h"

#include <cstdio>

ReadoutTexts::ReadoutTexts() : model(*this, maps) {
    model.attach(*this);
    model.start();
}

void ReadoutTexts::follow(int parameter, float value) {
    if (isParameter(parameter)) model.setParameter(parameter, value);
}

void ReadoutTexts::text(int parameter, char* display, char* label, int size) {
    char shown[kParameterTextSize] = {};
    char unit[kParameterTextSize] = {};
    model.parameterDisplay(parameter, shown);
    model.parameterLabel(parameter, unit);
    std::snprintf(display, static_cast<size_t>(size), "%s", shown);
    std::snprintf(label, static_cast<size_t>(size), "%s", unit);
}
