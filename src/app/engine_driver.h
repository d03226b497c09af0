#pragma once
// The engine client on the event loop: the engine's socket is watched and its time
// limits are kept by a timer, so the window never waits for the engine. Handlers may stop
// or restart the engine; the client they were called from lives until its pump returns.

#include <QObject>

#include <memory>

#include "engine/engine_client.h"

class QSocketNotifier;
class QTimer;

namespace kelvara {

class EngineDriver : public QObject {
    Q_OBJECT
public:
    explicit EngineDriver(QObject* parent = nullptr);
    ~EngineDriver() override;

    void on_update(EngineClient::UpdateHandler handler) { update_handler_ = std::move(handler); }
    void on_failure(EngineClient::FailureHandler handler) { failure_handler_ = std::move(handler); }

    // Starts an engine (quitting one that runs); false when it cannot be started, after
    // the failure handler ran.
    bool start(const EngineSettings& settings);
    // Quits the engine; no answer comes any more.
    void stop();
    bool running() const { return client_ && client_->running(); }
    // The engine's own name, once it has greeted.
    QString engine_name() const;
    pid_t engine_pid() const { return client_ ? client_->pid() : -1; }

    std::uint64_t search(const SearchPosition& position, SearchLimit limit);
    void cancel();
    // The client, for a whole-game analysis to ask through; null when no engine runs.
    EngineClient* client() { return client_.get(); }

    // Handles what the engine wrote and its time limits.
    void pump();
    // Watches the engine's socket and its next time limit again, after the client was
    // asked something directly.
    void rearm();

private:
    void retire_client();

    std::unique_ptr<EngineClient> client_;
    std::unique_ptr<EngineClient> retired_;  // stopped from inside its own pump
    bool pumping_ = false;
    QSocketNotifier* notifier_ = nullptr;
    const EngineClient* watched_ = nullptr;
    QTimer* deadline_ = nullptr;
    EngineClient::UpdateHandler update_handler_;
    EngineClient::FailureHandler failure_handler_;
};

}  // namespace kelvara
