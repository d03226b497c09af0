#pragma once
// An engine program running as a child process, talked to through one socket that is its
// standard input and output. Reading never blocks; the caller waits on fd() (poll, or a
// socket notifier in the desktop program). The child never outlives its owner: the
// destructor asks it to quit, kills it after a short grace and reaps it, and the kernel
// kills it when the thread that started it dies, even by a signal.

#include <sys/types.h>

#include <chrono>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kelvara {

// How a child process ended, as waitpid tells it.
struct ChildExit {
    int status = 0;  // the exit status when signal is 0
    int signal = 0;  // the signal that ended it, or 0
};

class ChildProcess {
public:
    // Why start() failed.
    struct StartError {
        enum class Kind { NotFound, NotExecutable, SystemFailure } kind;
        std::string detail;  // the path tried and the system's words for errno
    };

    ChildProcess() = default;
    ~ChildProcess();
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    // Starts program (a path, or a name looked up like a shell does) with the arguments.
    // Its standard error goes to /dev/null. nullopt on success.
    std::optional<StartError> start(const std::string& program, const std::vector<std::string>& arguments = {});

    bool running() const { return pid_ > 0; }
    pid_t pid() const { return pid_; }
    // The socket to wait on for output; -1 when no child runs.
    int fd() const { return fd_; }

    enum class ReadResult { Data, NothingYet, Closed };
    // Appends what the child has written so far to out, without waiting.
    ReadResult read_available(std::string& out);
    // Writes the whole line and a line feed, without waiting. False when the child is gone
    // or does not take its input.
    bool write_line(std::string_view line);

    // Waits at most timeout for output on fd(). True when there is some (or the end).
    bool wait_readable(std::chrono::milliseconds timeout) const;

    // Writes quit_command (unless empty), gives the child grace to end, kills it if it has
    // not, and reaps it. Returns how it ended; nullopt when no child ran.
    std::optional<ChildExit> stop(std::string_view quit_command, std::chrono::milliseconds grace);
    // For a child whose output has ended: reaps it, killing it if it has not ended within
    // grace (a child can close its output and live on).
    std::optional<ChildExit> reap(std::chrono::milliseconds grace);

private:
    void close_socket();

    pid_t pid_ = -1;
    int fd_ = -1;
};

// The program's file: program itself when it holds a slash, else the first executable
// file of that name in $PATH and then in the games folders, where Debian installs engines
// even for accounts whose PATH lacks them. nullopt when there is none.
std::optional<std::string> find_program(const std::string& program);

}  // namespace kelvara
