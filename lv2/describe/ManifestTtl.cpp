#include <string>

#include "lv2/BundleUris.h"
#include "lv2/describe/BundleFiles.h"
#include "lv2/describe/PluginFacts.h"
#include "lv2/describe/TurtleText.h"

std::string presetUri(int program) { return ZARVOLINE_LV2_PRESET_PREFIX + std::to_string(program); }

std::string manifestTtl(const PluginFacts& facts) {
    std::string ttl =
        "@prefix lv2: <http://lv2plug.in/ns/lv2core#> .\n"
        "@prefix pset: <http://lv2plug.in/ns/ext/presets#> .\n"
        "@prefix rdfs: <http://www.w3.org/2000/01/rdf-schema#> .\n"
        "@prefix ui: <http://lv2plug.in/ns/extensions/ui#> .\n"
        "\n"
        "<" ZARVOLINE_LV2_URI ">\n"
        "    a lv2:Plugin ;\n"
        "    lv2:binary <" ZARVOLINE_LV2_DSP_BINARY "> ;\n"
        "    rdfs:seeAlso <zarvoline.ttl> .\n"
        "\n"
        "<" ZARVOLINE_LV2_UI_URI ">\n"
        "    a ui:X11UI ;\n"
        "    ui:binary <" ZARVOLINE_LV2_UI_BINARY "> ;\n"
        "    rdfs:seeAlso <zarvoline.ttl> .\n";
    for (const FactoryProgramFacts& program : facts.factoryPrograms()) {
        ttl += "\n<" + presetUri(program.program) + ">\n";
        ttl += "    a pset:Preset ;\n";
        ttl += "    lv2:appliesTo <" ZARVOLINE_LV2_URI "> ;\n";
        ttl += "    rdfs:label " + turtle::quoted(program.name) + " ;\n";
        ttl += "    rdfs:seeAlso <presets.ttl> .\n";
    }
    return ttl;
}
