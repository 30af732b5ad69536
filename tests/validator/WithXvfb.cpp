// with-xvfb COMMAND [ARGUMENT]...: runs the command on a private Xvfb of its
// own (DISPLAY names it), started for it and stopped after it. Answers the
// command's exit code, or 2 when no server would start.
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>

#include "tests/widgets/XvfbServer.h"

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: with-xvfb COMMAND [ARGUMENT]...\n");
        return 2;
    }
    XvfbServer server;
    if (!server.running()) {
        std::fprintf(stderr, "with-xvfb: Xvfb did not start\n");
        return 2;
    }
    const pid_t child = fork();
    if (child == 0) {
        execvp(argv[1], argv + 1);
        _exit(127);
    }
    int status = 0;
    if (child < 0 || waitpid(child, &status, 0) != child) return 2;
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}
