#include <string>

#include "lv2/BundleUris.h"
#include "lv2/describe/BundleFiles.h"
#include "lv2/describe/PluginFacts.h"
#include "lv2/describe/TurtleText.h"
#include "params/ParameterTable.h"
#include "params/ProgramApplyOrder.h"

// A preset selects its factory program, as choosing a program does in the
// VST 2 version: the program's number as state, which the plug-in takes, and
// the port value of every parameter a program holds, which the host shows.
// Rec Sync and the offset jumps are left out: a program keeps them as they are.
std::string presetsTtl(const PluginFacts& facts) {
    std::string ttl =
        "@prefix lv2: <http://lv2plug.in/ns/lv2core#> .\n"
        "@prefix pset: <http://lv2plug.in/ns/ext/presets#> .\n"
        "@prefix rdfs: <http://www.w3.org/2000/01/rdf-schema#> .\n"
        "@prefix state: <http://lv2plug.in/ns/ext/state#> .\n"
        "@prefix xsd: <http://www.w3.org/2001/XMLSchema#> .\n";
    for (const FactoryProgramFacts& program : facts.factoryPrograms()) {
        ttl += "\n<" + presetUri(program.program) + ">\n";
        ttl += "    a pset:Preset ;\n";
        ttl += "    lv2:appliesTo <" ZARVOLINE_LV2_URI "> ;\n";
        ttl += "    rdfs:label " + turtle::quoted(program.name) + " ;\n";
        ttl += "    state:state [\n        <" ZARVOLINE_LV2_STATE_FACTORY_PROGRAM "> \"" +
               std::to_string(program.program) + "\"^^xsd:int\n    ] ;\n";
        ttl += "    lv2:port";
        bool first = true;
        for (const int i : kProgramApplyOrder) {
            ttl += first ? " [\n" : " , [\n";
            first = false;
            ttl += "        lv2:symbol " + turtle::quoted(turtle::symbolFor(kParameterTable[i].name)) + " ;\n";
            ttl += "        pset:value " + turtle::number(program.values[i]) + "\n    ]";
        }
        ttl += " .\n";
    }
    return ttl;
}
