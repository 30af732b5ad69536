#include "engine/LoopBuffers.h"

#include <sys/mman.h>

#include <algorithm>

namespace {

constexpr size_t kBytes = sizeof(float) * 2 * LoopBuffers::kCapacity;

}  // namespace

LoopBuffers::LoopBuffers() {
    void* memory = mmap(nullptr, kBytes, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (memory == MAP_FAILED) return;
    left = static_cast<float*>(memory);
    right = left + kCapacity;
}

LoopBuffers::~LoopBuffers() {
    if (left) munmap(left, kBytes);
}

void LoopBuffers::clear(int32_t frames) {
    frames = std::clamp<int32_t>(frames, 0, kCapacity);
    if (!left) return;
    std::fill_n(left, frames, 0.0f);
    std::fill_n(right, frames, 0.0f);
}
