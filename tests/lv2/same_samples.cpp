// same-samples A B: exit 0 when the two audio files hold the same number of
// frames with bit-identical samples (read as floats through libsndfile);
// else one line naming the first frame and channel that differ.
#include <cstdio>
#include <exception>
#include <vector>

#include "tools/render/SoundFile.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: same-samples A B\n");
        return 2;
    }
    try {
        SoundFileReader a(argv[1]), b(argv[2]);
        if (a.frames() != b.frames()) {
            std::fprintf(stderr, "%s has %lld frames, %s %lld\n", argv[1], static_cast<long long>(a.frames()),
                         argv[2], static_cast<long long>(b.frames()));
            return 1;
        }
        constexpr int kChunk = 4096;
        std::vector<float> al(kChunk), ar(kChunk), bl(kChunk), br(kChunk);
        for (long long at = 0; at < a.frames(); at += kChunk) {
            const int n = a.read(al.data(), ar.data(), kChunk);
            b.read(bl.data(), br.data(), kChunk);
            for (int i = 0; i < n; ++i)
                if (al[i] != bl[i] || ar[i] != br[i]) {
                    const bool left = al[i] != bl[i];
                    std::fprintf(stderr, "frame %lld, %s channel: %.9g in %s, %.9g in %s\n", at + i,
                                 left ? "left" : "right", left ? al[i] : ar[i], argv[1], left ? bl[i] : br[i], argv[2]);
                    return 1;
                }
        }
        return 0;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "same-samples: %s\n", e.what());
        return 1;
    }
}
