#pragma once

#include <QMutex>
#include <QObject>
#include <QString>

#include "hardware/installstate.h"

namespace Qln {

// What Installer is asked to do for one package.
struct InstallRequest {
    QString infSha1;
    QString infPath;
    QString hardwareId;
    QString tempDir;
    bool rollback = false;
};

// What it answered: a Windows error code beside the program's own code.
struct InstallResult {
    quint32 systemErrorCode = 0;
    qint32 errorCode = 0;
    bool needReboot = false;

    // Both codes must be clear: SetupAPI's errors (0xE000xxxx) are negative as signed
    // numbers, so a signed sum would let them pass as success.
    bool succeeded() const { return systemErrorCode == 0 && errorCode == 0; }
};

// The base of every package the installer queue works on.
class InstallSource : public QObject {
    Q_OBJECT
    Q_PROPERTY(Qln::InstallState* state READ state CONSTANT)

public:
    explicit InstallSource(QObject* parent = nullptr);

    InstallState* state() const { return m_state; }

    virtual InstallRequest installRequest() const = 0;
    // Called on the installer's pool thread: sets Complete or Error, then handleResult().
    virtual void setResult(const InstallResult& result);
    // What Installer answered last; zeros before any answer.
    InstallResult result() const;
    // Taken out of the queue before its turn: nothing was installed, so it shows as not
    // started. Called from any thread.
    virtual void dropped();

protected:
    virtual void handleResult(const InstallResult& result);

private:
    InstallState* m_state;
    mutable QMutex m_mutex;
    InstallResult m_result;  // guarded by m_mutex
};

}  // namespace Qln

Q_DECLARE_METATYPE(Qln::InstallResult)
