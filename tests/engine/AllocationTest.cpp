// The audio path allocates nothing. This test binary replaces malloc and its
// relatives and operator new with counting versions that forward to the C
// library; the loaded plug-in's allocations land here too. Built only without
// sanitizers, which bring allocators of their own.
#include <gtest/gtest.h>

#include <atomic>
#include <cerrno>
#include <cstdlib>
#include <new>

#include "tests/engine/EngineTestSupport.h"

extern "C" {
void* __libc_malloc(size_t size);
void* __libc_calloc(size_t count, size_t size);
void* __libc_realloc(void* pointer, size_t size);
void* __libc_memalign(size_t alignment, size_t size);
void __libc_free(void* pointer);
}

namespace {

std::atomic<bool> counting{false};
std::atomic<long> allocatorCalls{0};

void noteCall() {
    if (counting.load(std::memory_order_relaxed)) allocatorCalls.fetch_add(1);
}

void* allocate(size_t size) {
    noteCall();
    if (void* p = __libc_malloc(size ? size : 1)) return p;
    throw std::bad_alloc();
}

void* allocateAligned(size_t size, std::align_val_t alignment) {
    noteCall();
    if (void* p = __libc_memalign(static_cast<size_t>(alignment), size ? size : 1)) return p;
    throw std::bad_alloc();
}

void release(void* pointer) {
    noteCall();
    __libc_free(pointer);
}

}  // namespace

extern "C" {
void* malloc(size_t size) {
    noteCall();
    return __libc_malloc(size);
}
void* calloc(size_t count, size_t size) {
    noteCall();
    return __libc_calloc(count, size);
}
void* realloc(void* pointer, size_t size) {
    noteCall();
    return __libc_realloc(pointer, size);
}
void* aligned_alloc(size_t alignment, size_t size) {
    noteCall();
    return __libc_memalign(alignment, size);
}
int posix_memalign(void** out, size_t alignment, size_t size) {
    noteCall();
    *out = __libc_memalign(alignment, size);
    return *out ? 0 : ENOMEM;
}
void free(void* pointer) {
    noteCall();
    __libc_free(pointer);
}
}

void* operator new(size_t size) { return allocate(size); }
void* operator new[](size_t size) { return allocate(size); }
void* operator new(size_t size, const std::nothrow_t&) noexcept {
    noteCall();
    return __libc_malloc(size ? size : 1);
}
void* operator new[](size_t size, const std::nothrow_t&) noexcept {
    noteCall();
    return __libc_malloc(size ? size : 1);
}
void* operator new(size_t size, std::align_val_t a) { return allocateAligned(size, a); }
void* operator new[](size_t size, std::align_val_t a) { return allocateAligned(size, a); }
void operator delete(void* p) noexcept { release(p); }
void operator delete[](void* p) noexcept { release(p); }
void operator delete(void* p, size_t) noexcept { release(p); }
void operator delete[](void* p, size_t) noexcept { release(p); }
void operator delete(void* p, std::align_val_t) noexcept { release(p); }
void operator delete[](void* p, std::align_val_t) noexcept { release(p); }
void operator delete(void* p, size_t, std::align_val_t) noexcept { release(p); }
void operator delete[](void* p, size_t, std::align_val_t) noexcept { release(p); }

namespace {

using namespace engine_test;

// Two MIDI events in the host's layout, built before counting starts.
struct TwoEvents {
    VstInt32 numEvents = 2;
    VstIntPtr reserved = 0;
    VstEvent* events[2] = {};
    VstMidiEvent midi[2] = {};

    TwoEvents(uint8_t status, uint8_t data1, uint8_t data2) {
        for (int i = 0; i < 2; ++i) {
            midi[i].type = kVstMidiType;
            midi[i].byteSize = sizeof(VstMidiEvent);
            midi[i].midiData[0] = static_cast<char>(status);
            midi[i].midiData[1] = static_cast<char>(data1 + i);
            midi[i].midiData[2] = static_cast<char>(data2);
            events[i] = reinterpret_cast<VstEvent*>(&midi[i]);
        }
    }
};

TEST(Allocation, TheAudioPathAllocatesNothing) {
    TestHost host;
    host.recordCalls = false;
    host.time.flags |= kVstTransportPlaying;
    PluginInstance plugin(host);
    Driver driver{host, plugin};
    plugin.set(kCmdMidiAction, 5.0f);  // notes 48..63 recall programs
    TwoEvents recall(0x90, 50, 100), controllers(0xB0, 1, 90), unbound(0x90, 70, 100),
        release(0x80, 70, 0);
    const Stereo in = ramp(4096, 1);
    Stereo out(4096);

    // Every stage at work: filter swept on a grid, modulator, crossfades,
    // vibrato, gate, crush, shuffle, Rec Sync commands.
    const std::pair<int, float> settings[] = {
        {kFilterType, 0.2f},      {kFilterSpeed, 0.4f},  {kFilterSpeedSync, 0.6f},
        {kModulatorMode, 0.3f},   {kBlend, 0.5f},        {kPitchMode, 0.5f},
        {kPitchHold, 0.3f},       {kPitchRel, 0.2f},     {kGate, 0.3f},
        {kBitCrush, 0.4f},        {kShuffle, 0.3f},      {kRecSync, recSyncValue(7)},
        {kDirection, 1.0f},       {kLength, lengthValue(3000)}};
    for (const auto& [index, value] : settings) plugin.set(index, value);
    plugin.set(kRecord, 1.0f);
    driver.run(in, 512);  // warm up outside the count

    counting = true;
    for (int round = 0; round < 20; ++round) {
        plugin.dispatch(effProcessEvents, 0, 0, round % 4 == 0 ? &recall : &controllers);
        if (round % 5 == 1) plugin.dispatch(effProcessEvents, 0, 0, &unbound);
        for (int at = 0; at < 4096; at += 256) {
            driver.block(in.left.data() + at, in.right.data() + at, out.left.data() + at,
                         out.right.data() + at, 256);
            float* inputs[2] = {const_cast<float*>(in.left.data()), const_cast<float*>(in.right.data())};
            float* outputs[2] = {out.left.data(), out.right.data()};
            plugin->process(plugin.effect(), inputs, outputs, 64);
        }
        if (round % 5 == 3) plugin.dispatch(effProcessEvents, 0, 0, &release);
    }
    counting = false;
    EXPECT_EQ(allocatorCalls.load(), 0);
}

}  // namespace
