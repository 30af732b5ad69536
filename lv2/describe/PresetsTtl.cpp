#include <string>

#include "lv2/BundleUris.h"
#include "lv2/describe/BundleFiles.h"
#include "lv2/describe/PluginFacts.h"
#include "lv2/describe/TurtleText.h"
#include "params/ParameterTable.h"

// Every parameter's port value, so that loading a preset sets the whole
// program whatever was playing before.
std::string presetsTtl(const PluginFacts& facts) {
    std::string ttl =
        "@prefix lv2: <http://lv2plug.in/ns/lv2core#> .\n"
        "@prefix pset: <http://lv2plug.in/ns/ext/presets#> .\n"
        "@prefix rdfs: <http://www.w3.org/2000/01/rdf-schema#> .\n";
    for (const FactoryProgramFacts& program : facts.factoryPrograms()) {
        ttl += "\n<" + presetUri(program.program) + ">\n";
        ttl += "    a pset:Preset ;\n";
        ttl += "    lv2:appliesTo <" ZARVOLINE_LV2_URI "> ;\n";
        ttl += "    rdfs:label " + turtle::quoted(program.name) + " ;\n";
        ttl += "    lv2:port";
        for (int i = 0; i < kNumParams; ++i) {
            ttl += i == 0 ? " [\n" : " , [\n";
            ttl += "        lv2:symbol " + turtle::quoted(turtle::symbolFor(kParameterTable[i].name)) + " ;\n";
            ttl += "        pset:value " + turtle::number(program.values[i]) + "\n    ]";
        }
        ttl += " .\n";
    }
    return ttl;
}
