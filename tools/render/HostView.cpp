#include "tools/render/HostView.h"

#include <string>

#include "tools/host/PluginLibrary.h"

namespace {

std::string fourCharText(VstInt32 id) {
    std::string text;
    for (int shift = 24; shift >= 0; shift -= 8) {
        const char c = static_cast<char>((id >> shift) & 0xFF);
        text += (c >= 32 && c < 127) ? c : '?';
    }
    return text;
}

}  // namespace

void printHostView(AEffect* effect, std::FILE* out) {
    std::fprintf(out, "Plug-in   %s\n", dispatchText(effect, effGetEffectName).c_str());
    std::fprintf(out, "Product   %s\n", dispatchText(effect, effGetProductString).c_str());
    std::fprintf(out, "Vendor    %s (version %ld)\n",
                 dispatchText(effect, effGetVendorString).c_str(),
                 static_cast<long>(dispatch(effect, effGetVendorVersion)));
    std::fprintf(out, "Unique ID %s\n", fourCharText(effect->uniqueID).c_str());
    std::fprintf(out, "I/O       %d in, %d out, flags %d\n", effect->numInputs,
                 effect->numOutputs, effect->flags);

    std::fprintf(out, "\n%d parameters:\n", effect->numParams);
    for (VstInt32 i = 0; i < effect->numParams; ++i) {
        const std::string name = dispatchText(effect, effGetParamName, i);
        const std::string display = dispatchText(effect, effGetParamDisplay, i);
        const std::string label = dispatchText(effect, effGetParamLabel, i);
        std::fprintf(out, "  %2d  %-22s %-16s %-8s (%.6f)\n", i, name.c_str(), display.c_str(),
                     label.c_str(), static_cast<double>(effect->getParameter(effect, i)));
    }

    const VstIntPtr current = dispatch(effect, effGetProgram);
    std::fprintf(out, "\n%d programs:\n", effect->numPrograms);
    for (VstInt32 i = 0; i < effect->numPrograms; ++i) {
        const std::string name = dispatchText(effect, effGetProgramNameIndexed, i);
        std::fprintf(out, "  %2d%s %s\n", i, i == current ? "*" : " ", name.c_str());
    }
}
