#pragma once

#include <QFuture>
#include <QList>
#include <QMutex>
#include <QObject>
#include <QRandomGenerator>
#include <QString>
#include <atomic>

#include "base/argumentmap.h"
#include "base/shared.h"
#include "hardware/installsource.h"

namespace Qln {

// Installs queued packages one after the other on a pool thread by starting the
// Installer program and talking to it over the install pipe; with "fi" it only
// pretends to.
class Installer : public QObject {
    Q_OBJECT

public:
    Installer(const ArgumentMap& options, bool is64Bit, QObject* parent = nullptr);
    ~Installer() override;

    QString installerPath() const { return m_installerPath; }
    void setInstallerPath(const QString& path) { m_installerPath = path; }
    bool isFakeInstall() const { return m_fakeInstall; }

    // The queue shares the source, so its holder may let go of it at any time; the last
    // reference the queue holds is released on the source's own thread.
    void append(Flow::Shared<InstallSource> source);
    // Drops what is queued; the installation under way runs to its end and its result is
    // delivered, since it tells what the machine now holds.
    void abort();
    // Waits until the queue has drained; then offers the reboot when one was asked for.
    void waitForFinished();
    // An installation is under way or queued.
    bool isBusy() const;

    // "tempDir=...\nhardwareId=...\ninfPath=...\ninfSha1=...\nrollback=true|false\n"; empty
    // when a value holds CR, LF or NUL, which the request refuses.
    static QString requestText(const InstallRequest& request);

    struct FakeOutcome {
        bool failed = false;
        int seconds = 0;
    };
    // One draw of the fake install: one case in twenty fails, the others take 1 to 3 s.
    static FakeOutcome drawFakeOutcome(QRandomGenerator& generator);

signals:
    void ShowNeedRebootMessage();

private:
    void run();
    InstallResult realInstall(const InstallRequest& request) const;
    InstallResult fakeInstall(const InstallRequest& request) const;

    QList<Flow::Shared<InstallSource>> m_queue;
    mutable QMutex m_mutex;
    QFuture<void> m_run;
    bool m_running = false;  // guarded by m_mutex
    QString m_installerPath;
    bool m_fakeInstall = false;
    std::atomic<bool> m_aborted{false};
    std::atomic<bool> m_needReboot{false};
};

}  // namespace Qln
