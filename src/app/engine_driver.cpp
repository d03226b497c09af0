#include "app/engine_driver.h"

#include <QSocketNotifier>
#include <QTimer>

#include <algorithm>

namespace kelvara {

EngineDriver::EngineDriver(QObject* parent) : QObject(parent), deadline_(new QTimer(this)) {
    deadline_->setSingleShot(true);
    connect(deadline_, &QTimer::timeout, this, &EngineDriver::pump);
}

EngineDriver::~EngineDriver() { stop(); }

bool EngineDriver::start(const EngineSettings& settings) {
    retire_client();
    client_ = std::make_unique<EngineClient>(settings);
    client_->on_update([this](const SearchUpdate& update) {
        if (update_handler_) update_handler_(update);
    });
    client_->on_failure([this](const EngineFailure& failure) {
        if (failure_handler_) failure_handler_(failure);
    });
    const bool started = client_->start();
    rearm();
    return started;
}

void EngineDriver::stop() {
    retire_client();
    rearm();
}

void EngineDriver::retire_client() {
    if (!client_) return;
    client_->close();
    if (pumping_)
        retired_ = std::move(client_);
    else
        client_.reset();
}

QString EngineDriver::engine_name() const {
    return client_ ? QString::fromStdString(client_->name()) : QString();
}

std::uint64_t EngineDriver::search(const SearchPosition& position, SearchLimit limit) {
    if (!client_) return 0;
    const std::uint64_t id = client_->search(position, limit);
    rearm();
    return id;
}

void EngineDriver::cancel() {
    if (!client_) return;
    client_->cancel();
    rearm();
}

void EngineDriver::pump() {
    if (!client_ || pumping_) return;
    pumping_ = true;
    EngineClient* pumped = client_.get();
    pumped->pump();
    pumping_ = false;
    retired_.reset();
    // A handler may have answered at once (a finished position): pump again for it.
    if (client_.get() == pumped) rearm();
}

void EngineDriver::rearm() {
    const EngineClient* client = client_.get();
    const int fd = client ? client->fd() : -1;
    if (notifier_ && (watched_ != client || notifier_->socket() != fd)) {
        notifier_->setEnabled(false);
        notifier_->deleteLater();
        notifier_ = nullptr;
    }
    if (!notifier_ && fd >= 0) {
        notifier_ = new QSocketNotifier(fd, QSocketNotifier::Read, this);
        connect(notifier_, &QSocketNotifier::activated, this, &EngineDriver::pump);
        watched_ = client;
    }
    const auto when = client ? client->next_deadline() : std::nullopt;
    if (!when) {
        deadline_->stop();
        return;
    }
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(*when - std::chrono::steady_clock::now());
    deadline_->start(static_cast<int>(std::clamp<std::chrono::milliseconds::rep>(left.count() + 1, 0, 60000)));
}

}  // namespace kelvara
