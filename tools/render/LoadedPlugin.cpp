#include "tools/render/LoadedPlugin.h"

#include <algorithm>
#include <cctype>

#include "tools/render/RenderError.h"

namespace {

bool allDigits(const std::string& text) {
    return !text.empty() && text.size() <= 9 &&
           std::all_of(text.begin(), text.end(), [](char c) { return std::isdigit(static_cast<unsigned char>(c)); });
}

std::string trimmed(std::string text) {
    while (!text.empty() && text.back() == ' ') text.pop_back();
    return text;
}

}  // namespace

LoadedPlugin::LoadedPlugin(const std::string& path, double sampleRate, double tempo, int blockFrames) {
    std::string error;
    // A bare file name means the file here, not a search of the library path.
    library_ = PluginLibrary::open(path.find('/') == std::string::npos ? "./" + path : path, error);
    if (!library_) throw RenderError(error);
    host_ = std::make_unique<RenderHost>(sampleRate, tempo, blockFrames);
    effect_ = host_->instantiate(library_->entry());
    if (!effect_) throw RenderError("the plug-in " + path + " refused to start");
    if (effect_->magic != kEffectMagic || !effect_->dispatcher) {
        effect_ = nullptr;  // not something we can close either
        throw RenderError(path + " returned something that is not a VST 2 effect");
    }
    dispatch(effect_, effOpen);
    if (!effect_->processReplacing || effect_->numOutputs < 1) {
        dispatch(effect_, effClose);
        effect_ = nullptr;
        throw RenderError("the plug-in " + path + " cannot process audio in replacing mode");
    }
    // Before programs and parameters, so that whatever they derive from the
    // rate is derived from the right one.
    dispatch(effect_, effSetSampleRate, 0, 0, nullptr, static_cast<float>(sampleRate));
    dispatch(effect_, effSetBlockSize, 0, blockFrames);
}

LoadedPlugin::~LoadedPlugin() {
    if (effect_) dispatch(effect_, effClose);
}

std::string LoadedPlugin::name() const { return dispatchText(effect_, effGetEffectName); }

int LoadedPlugin::selectProgram(const std::string& program) {
    int index = -1;
    if (allDigits(program)) {
        index = std::stoi(program);
        if (index >= effect_->numPrograms)
            throw RenderError("no program " + program + " (the plug-in has " +
                              std::to_string(effect_->numPrograms) + ", numbered from 0)");
    } else {
        for (int i = 0; i < effect_->numPrograms && index < 0; ++i)
            if (dispatchText(effect_, effGetProgramNameIndexed, i) == program) index = i;
        if (index < 0) throw RenderError("no program named \"" + program + "\" (see --info)");
    }
    dispatch(effect_, effSetProgram, 0, index);
    return index;
}

int LoadedPlugin::findParameter(const std::string& parameter) const {
    if (allDigits(parameter)) {
        const int index = std::stoi(parameter);
        if (index >= effect_->numParams)
            throw RenderError("no parameter " + parameter + " (the plug-in has " +
                              std::to_string(effect_->numParams) + ", numbered from 0)");
        return index;
    }
    for (int i = 0; i < effect_->numParams; ++i)
        if (trimmed(dispatchText(effect_, effGetParamName, i)) == parameter) return i;
    throw RenderError("no parameter named \"" + parameter + "\" (see --info)");
}

void LoadedPlugin::resume() {
    dispatch(effect_, effMainsChanged, 0, 1);
    dispatch(effect_, effStartProcess);
}

void LoadedPlugin::suspend() {
    dispatch(effect_, effStopProcess);
    dispatch(effect_, effMainsChanged, 0, 0);
}
