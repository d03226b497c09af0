#include "engine/child_process.h"

#include <fcntl.h>
#include <linux/close_range.h>
#include <poll.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <thread>

namespace kelvara {

namespace {

// Debian puts engines here; a desktop session's PATH has it, a service's often not.
constexpr const char* kGamesFolders[] = {"/usr/games", "/usr/local/games"};
constexpr const char* kDefaultPath = "/usr/local/bin:/usr/bin:/bin";
// One read call takes at most this much, so that a flooding child cannot hold the caller.
constexpr std::size_t kReadBudget = 256 * 1024;

bool is_executable_file(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode) && ::access(path.c_str(), X_OK) == 0;
}

std::string system_words(int error) { return std::strerror(error); }

void close_fd(int& fd) {
    if (fd >= 0) ::close(fd);
    fd = -1;
}

ChildExit exit_of(int status) {
    if (WIFSIGNALED(status)) return {0, WTERMSIG(status)};
    return {WIFEXITED(status) ? WEXITSTATUS(status) : 0, 0};
}

// Only async-signal-safe calls between fork and exec: the parent may run other threads.
[[noreturn]] void run_child(pid_t parent, int socket, int null_fd, int error_pipe, const char* path, char** argv) {
    ::prctl(PR_SET_PDEATHSIG, SIGKILL);
    if (::getppid() != parent) ::_exit(127);  // the parent died before the line above
    sigset_t none;
    sigemptyset(&none);
    ::sigprocmask(SIG_SETMASK, &none, nullptr);
    struct sigaction defaults {};
    defaults.sa_handler = SIG_DFL;
    ::sigaction(SIGPIPE, &defaults, nullptr);
    if (::dup2(socket, STDIN_FILENO) < 0 || ::dup2(socket, STDOUT_FILENO) < 0 || ::dup2(null_fd, STDERR_FILENO) < 0)
        ::_exit(127);
    // Descriptors the program's libraries opened without close-on-exec stay out of the engine.
    ::close_range(3, ~0U, CLOSE_RANGE_CLOEXEC);
    ::execv(path, argv);
    const int error = errno;
    [[maybe_unused]] const ssize_t n = ::write(error_pipe, &error, sizeof error);
    ::_exit(127);
}

}  // namespace

std::optional<std::string> find_program(const std::string& program) {
    if (program.empty()) return std::nullopt;
    if (program.find('/') != std::string::npos) {
        if (is_executable_file(program)) return program;
        return std::nullopt;
    }
    const char* path_variable = std::getenv("PATH");
    std::string folders = path_variable && *path_variable ? path_variable : kDefaultPath;
    for (const char* games : kGamesFolders) folders.append(":").append(games);
    std::size_t start = 0;
    while (start <= folders.size()) {
        const std::size_t colon = std::min(folders.find(':', start), folders.size());
        // An empty entry would mean the current folder: not a place to start programs from.
        if (colon > start) {
            const std::string candidate = folders.substr(start, colon - start) + "/" + program;
            if (is_executable_file(candidate)) return candidate;
        }
        start = colon + 1;
    }
    return std::nullopt;
}

ChildProcess::~ChildProcess() { stop({}, std::chrono::milliseconds(0)); }

std::optional<ChildProcess::StartError> ChildProcess::start(const std::string& program,
                                                            const std::vector<std::string>& arguments) {
    if (running()) stop({}, std::chrono::milliseconds(0));
    const std::optional<std::string> path = find_program(program);
    if (!path) {
        struct stat st {};
        const bool exists = program.find('/') != std::string::npos && ::stat(program.c_str(), &st) == 0;
        if (exists) return StartError{StartError::Kind::NotExecutable, program + ": not an executable file"};
        return StartError{StartError::Kind::NotFound, program + ": no such program"};
    }

    // Built before fork: the child may not allocate.
    std::vector<std::string> words{*path};
    words.insert(words.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (std::string& w : words) argv.push_back(w.data());
    argv.push_back(nullptr);

    int sockets[2] = {-1, -1};
    int error_pipe[2] = {-1, -1};
    int null_fd = ::open("/dev/null", O_WRONLY | O_CLOEXEC);
    auto fail = [&](int error) {
        close_fd(sockets[0]);
        close_fd(sockets[1]);
        close_fd(error_pipe[0]);
        close_fd(error_pipe[1]);
        close_fd(null_fd);
        return StartError{StartError::Kind::SystemFailure, *path + ": " + system_words(error)};
    };
    if (null_fd < 0) return fail(errno);
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, sockets) != 0) return fail(errno);
    if (::pipe2(error_pipe, O_CLOEXEC) != 0) return fail(errno);

    const pid_t parent = ::getpid();
    const pid_t pid = ::fork();
    if (pid < 0) return fail(errno);
    if (pid == 0) run_child(parent, sockets[1], null_fd, error_pipe[1], path->c_str(), argv.data());

    close_fd(sockets[1]);
    close_fd(error_pipe[1]);
    close_fd(null_fd);
    // The pipe closes on a successful exec; otherwise it carries exec's errno.
    int exec_error = 0;
    ssize_t n;
    do {
        n = ::read(error_pipe[0], &exec_error, sizeof exec_error);
    } while (n < 0 && errno == EINTR);
    close_fd(error_pipe[0]);
    if (n > 0) {
        int status = 0;
        while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
        }
        close_fd(sockets[0]);
        const bool not_runnable = exec_error == EACCES || exec_error == ENOEXEC || exec_error == ENOENT;
        return StartError{not_runnable ? StartError::Kind::NotExecutable : StartError::Kind::SystemFailure,
                          *path + ": " + system_words(exec_error)};
    }
    pid_ = pid;
    fd_ = sockets[0];
    return std::nullopt;
}

ChildProcess::ReadResult ChildProcess::read_available(std::string& out) {
    if (fd_ < 0) return ReadResult::Closed;
    char buffer[4096];
    std::size_t taken = 0;
    while (taken < kReadBudget) {
        const ssize_t n = ::recv(fd_, buffer, sizeof buffer, MSG_DONTWAIT);
        if (n > 0) {
            out.append(buffer, static_cast<std::size_t>(n));
            taken += static_cast<std::size_t>(n);
            continue;
        }
        if (n < 0 && errno == EINTR) continue;
        if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) break;
        // The end of the output, or a broken socket: either way the child said its last.
        return taken > 0 ? ReadResult::Data : ReadResult::Closed;
    }
    return taken > 0 ? ReadResult::Data : ReadResult::NothingYet;
}

bool ChildProcess::write_line(std::string_view line) {
    if (fd_ < 0) return false;
    std::string bytes(line);
    bytes += '\n';
    std::size_t sent = 0;
    while (sent < bytes.size()) {
        // MSG_NOSIGNAL: a child that died must not take the program down with SIGPIPE.
        const ssize_t n = ::send(fd_, bytes.data() + sent, bytes.size() - sent, MSG_DONTWAIT | MSG_NOSIGNAL);
        if (n > 0) {
            sent += static_cast<std::size_t>(n);
            continue;
        }
        if (n < 0 && errno == EINTR) continue;
        return false;  // gone, or so far behind that its input is full
    }
    return true;
}

bool ChildProcess::wait_readable(std::chrono::milliseconds timeout) const {
    if (fd_ < 0) return false;
    pollfd p{fd_, POLLIN, 0};
    const int wait = static_cast<int>(std::max<std::chrono::milliseconds::rep>(0, timeout.count()));
    int n;
    do {
        n = ::poll(&p, 1, wait);
    } while (n < 0 && errno == EINTR);
    return n > 0;
}

std::optional<ChildExit> ChildProcess::stop(std::string_view quit_command, std::chrono::milliseconds grace) {
    if (!running()) {
        close_socket();
        return std::nullopt;
    }
    if (!quit_command.empty()) write_line(quit_command);
    return reap(grace);
}

std::optional<ChildExit> ChildProcess::reap(std::chrono::milliseconds grace) {
    if (!running()) return std::nullopt;
    using Clock = std::chrono::steady_clock;
    const auto until = Clock::now() + grace;
    int status = 0;
    pid_t done = 0;
    while ((done = ::waitpid(pid_, &status, WNOHANG)) == 0 && Clock::now() < until)
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    if (done == 0) {
        ::kill(pid_, SIGKILL);
        while ((done = ::waitpid(pid_, &status, 0)) < 0 && errno == EINTR) {
        }
    }
    pid_ = -1;
    close_socket();
    if (done < 0) return ChildExit{};
    return exit_of(status);
}

void ChildProcess::close_socket() { close_fd(fd_); }

}  // namespace kelvara
