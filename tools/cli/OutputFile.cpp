#include "tools/cli/OutputFile.h"

#include <fcntl.h>
#include <limits.h>
#include <signal.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <stdexcept>

namespace cli {

namespace {

// The temporary files not yet committed, where a signal handler can read
// them: fixed storage, a slot marked used only once its name is complete.
constexpr int kSlots = 8;
struct PendingSlot {
    char path[PATH_MAX];
    volatile sig_atomic_t used;
};
PendingSlot pending[kSlots];

// What a user or the system ends a program with.
constexpr int kEndingSignals[] = {SIGINT, SIGTERM, SIGHUP};

extern "C" void removePendingAndEnd(int number) {
    for (const PendingSlot& slot : pending)
        if (slot.used) unlink(slot.path);
    // The signal, raised again with its default action, ends the program as
    // it would have once this handler returns.
    signal(number, SIG_DFL);
    raise(number);
}

void installHandlers() {
    static bool installed = false;
    if (installed) return;
    installed = true;
    for (int number : kEndingSignals) {
        struct sigaction previous{};
        sigaction(number, nullptr, &previous);
        if (previous.sa_handler == SIG_IGN) continue;  // started to ignore it (nohup): keep doing so
        struct sigaction action{};
        action.sa_handler = removePendingAndEnd;
        sigemptyset(&action.sa_mask);  // one ending signal at a time
        for (int other : kEndingSignals) sigaddset(&action.sa_mask, other);
        sigaction(number, &action, nullptr);
    }
    // Beyond a file-size limit a write fails and is reported, instead of
    // ending the program with its temporary file left behind.
    signal(SIGXFSZ, SIG_IGN);
}

// Keeps the handled signals away while the list of pending files changes.
class SignalsHeld {
public:
    SignalsHeld() {
        sigset_t held;
        sigemptyset(&held);
        for (int number : kEndingSignals) sigaddset(&held, number);
        pthread_sigmask(SIG_BLOCK, &held, &previous_);
    }
    ~SignalsHeld() { pthread_sigmask(SIG_SETMASK, &previous_, nullptr); }

private:
    sigset_t previous_;
};

std::runtime_error cannotWrite(const std::string& path, int error) {
    return std::runtime_error("cannot write " + path + ": " + std::strerror(error));
}

// A new, empty file beside `path`, hidden, with a name no other run uses.
std::string createTemporaryBeside(const std::string& path) {
    const std::filesystem::path name(path);
    for (int attempt = 0;; ++attempt) {
        char leaf[NAME_MAX + 1];
        const int length = std::snprintf(leaf, sizeof leaf, ".%s.%d-%d.part", name.filename().c_str(),
                                         static_cast<int>(getpid()), attempt);
        const std::string temporary = (name.parent_path() / leaf).string();
        if (length >= static_cast<int>(sizeof leaf) || temporary.size() >= PATH_MAX)
            throw cannotWrite(path, ENAMETOOLONG);
        const int fd = open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0) {
            close(fd);
            return temporary;
        }
        if (errno != EEXIST) throw cannotWrite(path, errno);
    }
}

int claimSlot(const std::string& temporary) {
    for (int slot = 0; slot < kSlots; ++slot) {
        if (pending[slot].used) continue;
        std::memcpy(pending[slot].path, temporary.c_str(), temporary.size() + 1);
        pending[slot].used = 1;
        return slot;
    }
    unlink(temporary.c_str());
    throw std::logic_error("more than " + std::to_string(kSlots) + " outputs at once");
}

}  // namespace

OutputFile::OutputFile(std::string path) : path_(std::move(path)) {
    std::error_code error;
    if (std::filesystem::is_directory(path_, error)) throw cannotWrite(path_, EISDIR);
    installHandlers();
    const SignalsHeld held;
    writingPath_ = createTemporaryBeside(path_);
    slot_ = claimSlot(writingPath_);
}

OutputFile::~OutputFile() {
    if (slot_ < 0) return;
    const SignalsHeld held;
    unlink(writingPath_.c_str());
    pending[slot_].used = 0;
}

void OutputFile::commit() {
    // On the disk before it has its name, so that not even a crash of the
    // machine leaves a name without its contents.
    const int fd = open(writingPath_.c_str(), O_RDONLY | O_CLOEXEC);
    int error = fd < 0 || fsync(fd) != 0 ? errno : 0;
    if (fd >= 0) close(fd);
    const SignalsHeld held;
    if (error == 0 && rename(writingPath_.c_str(), path_.c_str()) != 0) error = errno;
    if (error != 0) unlink(writingPath_.c_str());
    pending[slot_].used = 0;
    slot_ = -1;
    if (error != 0) throw cannotWrite(path_, error);
}

}  // namespace cli
