#pragma once
// Ends the program on SIGTERM, SIGINT and SIGHUP the way the close button does: the
// signal handler only writes to a socket, and Qt's event loop, which watches the other
// end, runs the quit. A session that logs out thus never waits on the program.

#include <QObject>

#include <functional>

class QSocketNotifier;

namespace kelvara {

class QuitOnSignals : public QObject {
    Q_OBJECT
public:
    // quit runs on the thread of the event loop, once per signal received. One instance
    // at a time; the signals take their default action again when it goes.
    explicit QuitOnSignals(std::function<void()> quit, QObject* parent = nullptr);
    ~QuitOnSignals() override;
    QuitOnSignals(const QuitOnSignals&) = delete;
    QuitOnSignals& operator=(const QuitOnSignals&) = delete;

private:
    void signal_arrived();

    std::function<void()> quit_;
    int sockets_[2] = {-1, -1};  // the handler writes to [0], the notifier reads [1]
    QSocketNotifier* notifier_ = nullptr;
};

}  // namespace kelvara
