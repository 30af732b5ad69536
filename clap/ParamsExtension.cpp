// The 41 parameters: ids are the parameter indices, which never change, so
// a host's automation and saved sessions stay valid across versions.
#include <cmath>
#include <cstdio>
#include <cstring>

#include "clap/ClapPlugin.h"
#include "clap/Extensions.h"
#include "clap/ParamShapes.h"
#include "clap/ParamTexts.h"
#include "params/ParameterTable.h"

namespace {

uint32_t paramCount(const clap_plugin_t* p) {
    ClapPlugin::of(p).threads().mainThread("params.count");
    return kNumParams;
}

bool paramInfo(const clap_plugin_t* p, uint32_t index, clap_param_info_t* info) {
    ClapPlugin::of(p).threads().mainThread("params.get_info");
    if (info == nullptr || index >= static_cast<uint32_t>(kNumParams)) return false;
    const int i = static_cast<int>(index);
    const ClapParamShape shape = clapParamShape(i);
    std::memset(info, 0, sizeof *info);
    info->id = index;
    info->flags = CLAP_PARAM_IS_AUTOMATABLE | (shape.stepped ? CLAP_PARAM_IS_STEPPED : 0);
    info->cookie = nullptr;
    std::snprintf(info->name, sizeof info->name, "%s", kParameterTable[i].name);
    info->module[0] = 0;
    info->min_value = shape.min;
    info->max_value = shape.max;
    info->default_value = clapDefaultOf(i);
    return true;
}

bool paramValue(const clap_plugin_t* p, clap_id id, double* value) {
    ClapPlugin& plugin = ClapPlugin::of(p);
    plugin.threads().mainThread("params.get_value");
    return value != nullptr && plugin.paramValue(id, *value);
}

bool valueToText(const clap_plugin_t* p, clap_id id, double value, char* text, uint32_t size) {
    ClapPlugin::of(p).threads().mainThread("params.value_to_text");
    return id < static_cast<clap_id>(kNumParams) && clapValueText(static_cast<int>(id), value, text, size);
}

bool textToValue(const clap_plugin_t* p, clap_id id, const char* text, double* value) {
    ClapPlugin::of(p).threads().mainThread("params.text_to_value");
    return value != nullptr && id < static_cast<clap_id>(kNumParams) &&
           clapTextValue(static_cast<int>(id), text, *value);
}

void paramFlush(const clap_plugin_t* p, const clap_input_events_t* in, const clap_output_events_t* out) {
    ClapPlugin::of(p).flush(in, out);
}

}  // namespace

const clap_plugin_params_t kParamsExtension = {paramCount, paramInfo,   paramValue,
                                               valueToText, textToValue, paramFlush};

bool ClapPlugin::paramValue(clap_id id, double& value) const {
    if (id >= static_cast<clap_id>(kNumParams) || !core_) return false;
    const int index = static_cast<int>(id);
    value = clapValueOf(index, core_->getParameter(index));
    return true;
}

void ClapPlugin::flush(const clap_input_events_t* in, const clap_output_events_t* out) {
    // While processing, only the audio thread may flush; otherwise the main thread.
    if (processing_)
        threads_.audioThread("params.flush");
    else
        threads_.mainThread("params.flush");
    if (!core_) return;
    const uint32_t count = in && in->size && in->get ? in->size(in) : 0;
    for (uint32_t i = 0; i < count; ++i) {
        const clap_event_header_t* event = in->get(in, i);
        if (event == nullptr || event->space_id != CLAP_CORE_EVENT_SPACE_ID ||
            event->type != CLAP_EVENT_PARAM_VALUE || event->size < sizeof(clap_event_param_value_t))
            continue;
        const auto& param = reinterpret_cast<const clap_event_param_value_t&>(*event);
        applyParamValue(param.param_id, param.value);
    }
    tellChanges(out, 0);
}
