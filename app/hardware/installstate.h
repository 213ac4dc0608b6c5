#pragma once

#include <QObject>
#include <QString>

namespace Qln {

// The visible status of one installable package; set from any thread, stored on its own.
class InstallState : public QObject {
    Q_OBJECT
    Q_PROPERTY(InstallStatus status READ status NOTIFY statusChanged)
    Q_PROPERTY(QString statusText READ statusText NOTIFY statusChanged)

public:
    enum InstallStatus { Normal, Waiting, Download, Unpacking, Installation, Complete, Error };
    Q_ENUM(InstallStatus)

    explicit InstallState(QObject* parent = nullptr);

    InstallStatus status() const { return m_status; }
    // The enumeration key, which the view shows.
    QString statusText() const;
    // Callable from any thread; the status changes on this object's thread.
    void postStatus(InstallStatus status);

signals:
    void statusChanged();
    // Feeds OnSetStatus, queued when posted from another thread.
    void SetStatus(Qln::InstallState::InstallStatus status);
    // Bytes of the package's download so far; emitted on the network's thread.
    void downloadProgress(qint64 received, qint64 total);

public slots:
    void OnSetStatus(Qln::InstallState::InstallStatus status);

private:
    InstallStatus m_status = Normal;
};

}  // namespace Qln
