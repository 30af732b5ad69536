#include <string>

#include "lv2/BundleUris.h"
#include "lv2/PortLayout.h"
#include "lv2/describe/BundleFiles.h"
#include "lv2/describe/PluginFacts.h"
#include "lv2/describe/PortPresentation.h"
#include "lv2/describe/TurtleText.h"
#include "params/ParameterTable.h"

using turtle::number;
using turtle::quoted;

namespace {

// The engine's read-only values, in the order of their ports.
constexpr const char* kStatusNames[lv2_ports::kNumStatus] = {"Play position", "Record position",
                                                             "Recorded length"};

std::string scalePoint(const std::string& label, float value) {
    return "        lv2:scalePoint [ rdfs:label " + quoted(label) + " ; rdf:value " + number(value) +
           " ] ;\n";
}

// Every port value is the parameter's own value, 0 to 1, exactly what the
// plug-in stores and a program holds: no mapping in between, so a value
// reaches the engine as it does through VST 2 and a preset plays the same.
// The unit names what the knob sets (frames, semitones, hertz); hosts show
// the 0..1 position, so the unit carries no number format.
std::string parameterPort(PluginFacts& facts, int index) {
    const ParameterInfo& info = kParameterTable[index];
    const PortPresentation look = presentationOf(index);
    std::string ttl = "[\n        a lv2:InputPort , lv2:ControlPort ;\n";
    ttl += "        lv2:index " + std::to_string(index) + " ;\n";
    ttl += "        lv2:symbol " + quoted(turtle::symbolFor(info.name)) + " ;\n";
    ttl += "        lv2:name " + quoted(info.name) + " ;\n";
    ttl += "        lv2:default " + number(facts.startValue(index)) + " ;\n";
    ttl += "        lv2:minimum 0.0 ;\n        lv2:maximum 1.0 ;\n";
    if (info.label[0] != '\0')
        ttl += "        units:unit [ a units:Unit ; rdfs:label " + quoted(info.label) +
               " ; units:symbol " + quoted(info.label) + " ] ;\n";
    switch (look.kind) {
        case PortKind::kContinuous: break;
        case PortKind::kSwitch: ttl += "        lv2:portProperty lv2:toggled ;\n"; break;
        case PortKind::kTrigger: ttl += "        lv2:portProperty lv2:toggled , pprops:trigger ;\n"; break;
        case PortKind::kMenu: {
            ttl += "        lv2:portProperty lv2:enumeration ;\n";
            const int n = static_cast<int>(look.entries.size());
            for (int i = 0; i < n; ++i) ttl += scalePoint(look.entries[i], menuValue(i, n));
            break;
        }
        case PortKind::kPositions:
            ttl += "        lv2:portProperty lv2:enumeration ;\n";
            for (int i = 0; i < look.positions; ++i) {
                const float value = positionValue(i, look.positions);
                ttl += scalePoint(facts.displayText(index, value), value);
            }
            break;
        case PortKind::kSteps:
            ttl += "        pprops:rangeSteps " + std::to_string(look.positions) + " ;\n";
            break;
    }
    // Turtle allows the ';' before the closing bracket.
    return ttl + "    ]";
}

std::string statusPort(int port) {
    const int status = port - lv2_ports::kFirstStatus;
    return "[\n        a lv2:OutputPort , lv2:ControlPort ;\n        lv2:index " + std::to_string(port) +
           " ;\n        lv2:symbol " + quoted(turtle::symbolFor(kStatusNames[status])) +
           " ;\n        lv2:name " + quoted(kStatusNames[status]) +
           " ;\n        lv2:default 0.0 ;\n        lv2:minimum 0.0 ;\n        lv2:maximum 1.0 ;\n"
           "        lv2:portProperty pprops:notOnGUI\n    ]";
}

std::string audioPort(int port, const char* direction, const char* symbol, const char* name) {
    return std::string("[\n        a lv2:AudioPort , lv2:") + direction + " ;\n        lv2:index " +
           std::to_string(port) + " ;\n        lv2:symbol " + quoted(symbol) + " ;\n        lv2:name " +
           quoted(name) + "\n    ]";
}

// The editor: an X11 window under the host's, idled by the host, told of the
// DSP's changes, levels and time through the event output and of the engine's
// positions through the status ports.
std::string uiTtl() {
    std::string ttl =
        "\n<" ZARVOLINE_LV2_UI_URI ">\n"
        "    a ui:X11UI ;\n"
        "    ui:binary <" ZARVOLINE_LV2_UI_BINARY "> ;\n"
        "    lv2:requiredFeature urid:map , ui:parent , ui:idleInterface ;\n"
        "    lv2:optionalFeature ui:touch , ui:noUserResize ;\n"
        "    lv2:extensionData ui:idleInterface ;\n"
        "    ui:portNotification [\n"
        "        ui:plugin <" ZARVOLINE_LV2_URI "> ;\n"
        "        lv2:symbol \"notify\" ;\n"
        "        ui:notifyType atom:Object\n"
        "    ]";
    for (const char* status : kStatusNames)
        ttl += " , [\n        ui:plugin <" ZARVOLINE_LV2_URI "> ;\n        lv2:symbol " +
               quoted(turtle::symbolFor(status)) + " ;\n        ui:protocol ui:floatProtocol\n    ]";
    return ttl + " .\n";
}

}  // namespace

std::string pluginTtl(PluginFacts& facts) {
    std::string ttl =
        "@prefix atom: <http://lv2plug.in/ns/ext/atom#> .\n"
        "@prefix doap: <http://usefulinc.com/ns/doap#> .\n"
        "@prefix lv2: <http://lv2plug.in/ns/lv2core#> .\n"
        "@prefix midi: <http://lv2plug.in/ns/ext/midi#> .\n"
        "@prefix pprops: <http://lv2plug.in/ns/ext/port-props#> .\n"
        "@prefix rdf: <http://www.w3.org/1999/02/22-rdf-syntax-ns#> .\n"
        "@prefix rdfs: <http://www.w3.org/2000/01/rdf-schema#> .\n"
        "@prefix rsz: <http://lv2plug.in/ns/ext/resize-port#> .\n"
        "@prefix state: <http://lv2plug.in/ns/ext/state#> .\n"
        "@prefix time: <http://lv2plug.in/ns/ext/time#> .\n"
        "@prefix ui: <http://lv2plug.in/ns/extensions/ui#> .\n"
        "@prefix units: <http://lv2plug.in/ns/extensions/units#> .\n"
        "@prefix urid: <http://lv2plug.in/ns/ext/urid#> .\n"
        "\n"
        "<" ZARVOLINE_LV2_URI ">\n"
        "    a lv2:Plugin , lv2:DelayPlugin ;\n"
        "    doap:name \"Zarvoline\" ;\n"
        "    rdfs:comment \"A tempo-synchronised buffer-repeat (stutter) effect.\" ;\n"
        // An even minor version: a released plug-in, not a development one.
        "    lv2:minorVersion 2 ;\n"
        "    lv2:microVersion 0 ;\n"
        "    lv2:requiredFeature urid:map ;\n"
        "    lv2:optionalFeature lv2:hardRTCapable ;\n"
        "    lv2:extensionData state:interface ;\n"
        "    ui:ui <" ZARVOLINE_LV2_UI_URI "> ;\n"
        "    lv2:port ";
    for (int i = 0; i < kNumParams; ++i) ttl += parameterPort(facts, i) + " , ";
    for (int p = lv2_ports::kFirstStatus; p < lv2_ports::kFirstStatus + lv2_ports::kNumStatus; ++p)
        ttl += statusPort(p) + " , ";
    ttl += audioPort(lv2_ports::kAudioInLeft, "InputPort", "in_left", "In left") + " , ";
    ttl += audioPort(lv2_ports::kAudioInRight, "InputPort", "in_right", "In right") + " , ";
    ttl += audioPort(lv2_ports::kAudioOutLeft, "OutputPort", "out_left", "Out left") + " , ";
    ttl += audioPort(lv2_ports::kAudioOutRight, "OutputPort", "out_right", "Out right") + " , ";
    ttl += "[\n"
           "        a lv2:InputPort , atom:AtomPort ;\n"
           "        atom:bufferType atom:Sequence ;\n"
           "        atom:supports midi:MidiEvent , time:Position ;\n"
           "        lv2:designation lv2:control ;\n"
           "        lv2:index " + std::to_string(lv2_ports::kControl) + " ;\n"
           "        lv2:symbol \"control\" ;\n"
           "        lv2:name \"Control\"\n"
           "    ] , [\n"
           "        a lv2:OutputPort , atom:AtomPort ;\n"
           "        atom:bufferType atom:Sequence ;\n"
           "        lv2:designation lv2:control ;\n"
           "        lv2:index " + std::to_string(lv2_ports::kNotify) + " ;\n"
           "        lv2:symbol \"notify\" ;\n"
           "        lv2:name \"Notify\" ;\n"
           "        rsz:minimumSize 16384\n"
           "    ] , [\n"
           "        a lv2:InputPort , atom:AtomPort ;\n"
           "        atom:bufferType atom:Sequence ;\n"
           "        atom:supports time:Position ;\n"
           "        lv2:index " + std::to_string(lv2_ports::kTime) + " ;\n"
           "        lv2:symbol \"time\" ;\n"
           "        lv2:name \"Time\"\n"
           "    ] .\n";
    return ttl + uiTtl();
}
