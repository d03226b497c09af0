// peak-memory COMMAND ARGS...: runs the command and prints its peak resident memory,
// for comparing kelvara-cli gif on a short and a long game:
//   build/bin/peak-memory build/bin/kelvara-cli gif short.pgn -o /tmp/x

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: peak-memory COMMAND ARGS...\n");
        return 2;
    }
    const pid_t child = fork();
    if (child == 0) {
        execvp(argv[1], argv + 1);
        _exit(127);
    }
    int status = 0;
    waitpid(child, &status, 0);
    rusage usage{};
    getrusage(RUSAGE_CHILDREN, &usage);
    std::fprintf(stderr, "peak memory: %ld KiB\n", usage.ru_maxrss);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 1;
}
