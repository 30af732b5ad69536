#include "tests/widgets/XvfbServer.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <string>

namespace {

// Xvfb writes its display number once it accepts connections; a slow
// machine gets this many 100 ms polls for that.
constexpr int kStartPolls = 300;

}  // namespace

XvfbServer::XvfbServer() {
    int ready[2];
    if (pipe(ready) != 0) return;
    pid = fork();
    if (pid == 0) {
        close(ready[0]);
        const int quiet = open("/dev/null", O_WRONLY);
        if (quiet >= 0) {
            dup2(quiet, STDOUT_FILENO);
            dup2(quiet, STDERR_FILENO);
        }
        const std::string fd = std::to_string(ready[1]);
        execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-screen", "0", "640x480x24",
               "-nolisten", "tcp", "-noreset", static_cast<char*>(nullptr));
        _exit(127);
    }
    close(ready[1]);
    if (pid < 0) {
        close(ready[0]);
        return;
    }
    std::string number;
    for (int poll_ = 0; poll_ < kStartPolls; ++poll_) {
        pollfd waiting{ready[0], POLLIN, 0};
        if (poll(&waiting, 1, 100) <= 0) continue;
        char text[16];
        const ssize_t got = read(ready[0], text, sizeof text);
        if (got <= 0) break;  // it exited
        number.append(text, static_cast<size_t>(got));
        if (number.find('\n') != std::string::npos) break;
    }
    close(ready[0]);
    while (!number.empty() && (number.back() == '\n' || number.back() == ' ')) number.pop_back();
    if (number.empty()) return;  // it did not start (is it installed?)
    name = ":" + number;
    setenv("DISPLAY", name.c_str(), 1);
}

XvfbServer::~XvfbServer() {
    if (pid <= 0) return;
    kill(pid, SIGTERM);
    int status = 0;
    waitpid(pid, &status, 0);
}
