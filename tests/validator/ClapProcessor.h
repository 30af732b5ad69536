// A CLAP instance behind the validator's format seam, on a small host of the
// validator's own: parameters go to the plug-in as param-value events (from
// any thread, queued for the audio thread as a host's user interface does)
// or through flush while it is not processing; the transport becomes CLAP's
// transport record; MIDI goes in as MIDI events. The host's lists hold
// everything in fixed arrays, so a block allocates nothing on its side.
#pragma once

#include <clap/entry.h>
#include <clap/ext/params.h>
#include <clap/plugin.h>

#include <array>
#include <atomic>
#include <mutex>
#include <string>

#include "tests/validator/Processor.h"

namespace validator {

// The library's entry, or null with the reason in `error`.
const clap_plugin_entry_t* openClapLibrary(const std::string& path, std::string& error);

class ClapProcessor final : public Processor {
public:
    ClapProcessor(const clap_plugin_entry_t& entry, unsigned seed, bool started);  // throws when refused
    ~ClapProcessor() override;

    int parameterCount() const override;
    void setParameter(int index, float value) override;
    float parameter(int index) const override;
    std::string parameterTextFault(int index) const override;
    int programCount() const override { return 0; }
    void selectProgram(int) override {}
    Transport transport() const override { return transport_; }
    void setTransport(const Transport& transport) override { transport_ = transport; }
    void resume() override;
    void suspend() override;

private:
    void configure(double sampleRate, int maxBlock) override;
    int inputCount() const override { return 2; }
    int outputCount() const override { return 2; }
    void process(float** inputs, float** outputs, int frames, int blockNumber) override;

    struct Event {
        alignas(8) std::array<uint8_t, 160> bytes;
    };
    static constexpr size_t kMaxEvents = 256;
    struct EventList {
        std::array<Event, kMaxEvents> events;
        uint32_t count = 0;
        void add(const clap_event_header_t& event);
    };

    clap_host_t host_;
    const clap_plugin_t* plugin_;
    const clap_plugin_params_t* params_;
    bool takesMidi_ = false;
    double sampleRate_ = 44100.0;
    uint32_t maxFrames_ = 512;
    std::atomic<bool> active_{false};
    Transport transport_;
    // Values set from any thread, for the next block.
    mutable std::mutex pendingMutex_;
    EventList pending_;
    EventList block_;
};

}  // namespace validator
