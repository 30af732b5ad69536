// The instance's state in a host's session: the core's own stream, written
// and read whole however the host's stream cuts it up.
#include <cstdint>
#include <vector>

#include "clap/ClapPlugin.h"
#include "clap/Extensions.h"

namespace {

// Far more than any state we write: a stream that goes on past it is not ours.
constexpr size_t kLongestState = size_t{1} << 20;

bool stateSave(const clap_plugin_t* p, const clap_ostream_t* stream) {
    ClapPlugin& plugin = ClapPlugin::of(p);
    plugin.threads().mainThread("state.save");
    return stream != nullptr && stream->write != nullptr && plugin.saveState(stream);
}

bool stateLoad(const clap_plugin_t* p, const clap_istream_t* stream) {
    ClapPlugin& plugin = ClapPlugin::of(p);
    plugin.threads().mainThread("state.load");
    return stream != nullptr && stream->read != nullptr && plugin.loadState(stream);
}

}  // namespace

const clap_plugin_state_t kStateExtension = {stateSave, stateLoad};

bool ClapPlugin::saveState(const clap_ostream_t* stream) const {
    if (!core_) return false;
    const std::vector<uint8_t> bytes = core_->saveState();
    size_t written = 0;
    while (written < bytes.size()) {
        const int64_t n = stream->write(stream, bytes.data() + written, bytes.size() - written);
        if (n <= 0 || static_cast<uint64_t>(n) > bytes.size() - written) return false;
        written += static_cast<size_t>(n);
    }
    return true;
}

bool ClapPlugin::loadState(const clap_istream_t* stream) {
    if (!core_) return false;
    std::vector<uint8_t> bytes;
    try {
        uint8_t chunk[4096];
        for (;;) {
            const int64_t n = stream->read(stream, chunk, sizeof chunk);
            if (n < 0 || static_cast<uint64_t>(n) > sizeof chunk) return false;
            if (n == 0) break;
            bytes.insert(bytes.end(), chunk, chunk + n);
            if (bytes.size() > kLongestState) return false;
        }
    } catch (...) {
        return false;
    }
    if (!core_->loadState(bytes.data(), bytes.size())) return false;
    // Every value may have changed: the host reads them all again, rather
    // than hear of each.
    changed_.take();
    if (!lastKnown_) syncAwaitsTempo_ = true;
    if (hostParams_ && hostParams_->rescan) hostParams_->rescan(host_, CLAP_PARAM_RESCAN_VALUES);
    return true;
}
