#pragma once
// One Kelvara per user: a record opened while Kelvara runs (from the file manager, from
// xdg-open) goes to the running window through a local socket, and the new process ends.

#include <QObject>
#include <QString>

class QLocalServer;

namespace kelvara {

class SingleInstance : public QObject {
    Q_OBJECT
public:
    // name: the local socket's name; one per user by default.
    explicit SingleInstance(QString name = default_name(), QObject* parent = nullptr);
    ~SingleInstance() override;

    static QString default_name();

    // Offers the record (made absolute against this process's folder; "" for none) to a
    // running Kelvara. True when one took it, and this process should end.
    bool hand_over(const QString& file) const;
    // Becomes the running Kelvara: records handed over arrive by file_received ("" when
    // a second start named none and only asks the window to come forward). False when
    // another one took the name in the meantime (then hand over to it).
    bool listen();

signals:
    void file_received(const QString& file);

private:
    void accept_connections();

    QString name_;
    QLocalServer* server_ = nullptr;
};

}  // namespace kelvara
