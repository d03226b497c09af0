#include "app/signal_quit.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/socket.h>
#include <unistd.h>

#include <QSocketNotifier>

#include <atomic>
#include <cerrno>

namespace kelvara {

namespace {

constexpr int kSignals[] = {SIGTERM, SIGINT, SIGHUP};

// A signal handler reaches nothing but what is process-wide: the socket it writes to.
std::atomic<int> g_signal_socket{-1};

extern "C" void write_signal_number(int signal_number) {
    const int saved_errno = errno;
    const int fd = g_signal_socket.load();
    const unsigned char byte = static_cast<unsigned char>(signal_number);
    if (fd >= 0) (void)::write(fd, &byte, 1);
    errno = saved_errno;
}

}  // namespace

QuitOnSignals::QuitOnSignals(std::function<void()> quit, QObject* parent) : QObject(parent), quit_(std::move(quit)) {
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, sockets_) != 0) return;
    notifier_ = new QSocketNotifier(sockets_[1], QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &QuitOnSignals::signal_arrived);
    g_signal_socket.store(sockets_[0]);
    struct sigaction action {};
    action.sa_handler = write_signal_number;
    action.sa_flags = SA_RESTART;
    sigemptyset(&action.sa_mask);
    for (int s : kSignals) ::sigaction(s, &action, nullptr);
}

QuitOnSignals::~QuitOnSignals() {
    if (sockets_[0] < 0) return;
    for (int s : kSignals) ::signal(s, SIG_DFL);
    g_signal_socket.store(-1);
    delete notifier_;
    ::close(sockets_[0]);
    ::close(sockets_[1]);
}

void QuitOnSignals::signal_arrived() {
    unsigned char buffer[16];
    while (::read(sockets_[1], buffer, sizeof buffer) > 0) {
    }
    if (quit_) quit_();
}

}  // namespace kelvara
