// zarvoline-lv2-describe BUNDLE-DIR: writes the bundle's manifest.ttl,
// zarvoline.ttl and presets.ttl, read off the parameter table, the editor's
// menus and a fresh instance of the plug-in. The build runs it.
#include <cstdio>
#include <fstream>
#include <set>
#include <string>

#include "lv2/describe/BundleFiles.h"
#include "lv2/describe/PluginFacts.h"
#include "lv2/describe/TurtleText.h"
#include "params/ParameterTable.h"

namespace {

bool writeFile(const std::string& path, const std::string& text) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << text;
    out.close();
    if (!out) std::fprintf(stderr, "zarvoline-lv2-describe: cannot write %s\n", path.c_str());
    return static_cast<bool>(out);
}

// Two names that make the same symbol would give two ports one symbol.
bool symbolsDistinct() {
    std::set<std::string> symbols;
    for (const ParameterInfo& info : kParameterTable)
        if (!symbols.insert(turtle::symbolFor(info.name)).second) {
            std::fprintf(stderr, "zarvoline-lv2-describe: two parameters make the symbol %s\n",
                         turtle::symbolFor(info.name).c_str());
            return false;
        }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: zarvoline-lv2-describe BUNDLE-DIR\n");
        return 2;
    }
    if (!symbolsDistinct()) return 1;
    const std::string dir = argv[1];
    PluginFacts facts;
    const bool written = writeFile(dir + "/manifest.ttl", manifestTtl(facts)) &&
                         writeFile(dir + "/zarvoline.ttl", pluginTtl(facts)) &&
                         writeFile(dir + "/presets.ttl", presetsTtl(facts));
    return written ? 0 : 1;
}
