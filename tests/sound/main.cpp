// zarvoline-soundcheck: proves that a change of code left the sound alone.
//   --compare OLD.so NEW.so   renders every case through both libraries and
//                             names the cases whose samples differ
//   --write FILE PLUGIN.so    writes the fingerprint of every case's render
//   --check FILE PLUGIN.so    renders every case and compares with FILE
// Exit code 0 when everything matched, 1 when something differed, 2 for a
// wrong command line or a library that does not load.
#include <cstdio>
#include <cstring>
#include <fstream>
#include <map>
#include <memory>
#include <sstream>
#include <string>

#include "tests/sound/SoundRender.h"

namespace {

std::unique_ptr<PluginLibrary> load(const char* path) {
    std::string error;
    auto library = PluginLibrary::open(path, error);
    if (!library) std::fprintf(stderr, "zarvoline-soundcheck: %s\n", error.c_str());
    return library;
}

// The first frame at which two renders differ, or -1.
long firstDifference(const std::vector<float>& a, const std::vector<float>& b) {
    if (a.size() != b.size()) return 0;
    for (size_t i = 0; i < a.size(); ++i)
        if (std::memcmp(&a[i], &b[i], sizeof(float)) != 0) return static_cast<long>(i / 2);
    return -1;
}

int compare(PluginEntry before, PluginEntry after) {
    int differing = 0, total = 0;
    for (const SoundCase& sound : soundCases()) {
        ++total;
        const long frame = firstDifference(renderCase(before, sound), renderCase(after, sound));
        if (frame < 0) continue;
        ++differing;
        std::printf("DIFFERS %s: from frame %ld\n", sound.name.c_str(), frame);
    }
    std::printf("%d of %d renders identical\n", total - differing, total);
    return differing == 0 ? 0 : 1;
}

int write(const char* file, PluginEntry entry) {
    std::ofstream out(file);
    for (const SoundCase& sound : soundCases())
        out << std::hex << fingerprint(renderCase(entry, sound)) << ' ' << sound.name << '\n';
    return out ? 0 : 1;
}

int check(const char* file, PluginEntry entry) {
    std::ifstream in(file);
    if (!in) {
        std::fprintf(stderr, "zarvoline-soundcheck: cannot read %s\n", file);
        return 2;
    }
    std::map<std::string, uint64_t> expected;
    for (std::string line; std::getline(in, line);) {
        std::istringstream fields(line);
        uint64_t hash = 0;
        fields >> std::hex >> hash >> std::ws;
        std::string name;
        std::getline(fields, name);
        expected[name] = hash;
    }
    int differing = 0, total = 0;
    for (const SoundCase& sound : soundCases()) {
        ++total;
        const auto found = expected.find(sound.name);
        if (found != expected.end() && found->second == fingerprint(renderCase(entry, sound))) continue;
        ++differing;
        std::printf("DIFFERS %s\n", sound.name.c_str());
    }
    std::printf("%d of %d renders as recorded\n", total - differing, total);
    return differing == 0 ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr,
                     "usage: zarvoline-soundcheck --compare OLD.so NEW.so | --write FILE PLUGIN.so"
                     " | --check FILE PLUGIN.so\n");
        return 2;
    }
    const std::string mode = argv[1];
    if (mode == "--compare") {
        auto before = load(argv[2]);
        auto after = load(argv[3]);
        if (!before || !after) return 2;
        return compare(before->entry(), after->entry());
    }
    auto library = load(argv[3]);
    if (!library) return 2;
    if (mode == "--write") return write(argv[2], library->entry());
    if (mode == "--check") return check(argv[2], library->entry());
    std::fprintf(stderr, "zarvoline-soundcheck: unknown mode %s\n", argv[1]);
    return 2;
}
