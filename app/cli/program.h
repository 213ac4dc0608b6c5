#pragma once

#include <QJsonArray>
#include <QJsonObject>
#include <QObject>
#include <QPointer>
#include <atomic>
#include <functional>
#include <memory>

#include "base/shared.h"
#include "cli/commandline.h"
#include "cli/output.h"
#include "core/configuration.h"

namespace Qln {

class BackupJobs;
class DeviceSelectViewModel;
class DriversUpdateModel;
class DriverUpdates;
class InstallSource;
class Task;

namespace Cli {

enum ExitCode {
    Done = 0,
    Failed = 1,
    UsageError = 2,
    ServiceError = 3,
    AnotherCopy = 4,
    Interrupted = 5,
};

// One run of the console program: the start-up of the windows (authorisation, settings, the
// shared services), then one command through the same jobs the pages use.
class Program : public QObject {
    Q_OBJECT

public:
    Program(CommandLine line, Output& output, QObject* parent = nullptr);
    ~Program() override;

    int run();
    // Any thread: the program waits for an answer on the terminal, where nothing has changed
    // yet and the event loop does not run.
    bool isAsking() const { return m_asking; }

public slots:
    // Ctrl+C: stops the job under way the way the windows' cancel does.
    void interrupt();

private:
    int startUp();
    int devices();
    int updates();
    int install();
    int history();
    int recovery();
    int rollback();
    int backupCreate();
    int backupCheck();
    int backupRestore();

    std::unique_ptr<BackupJobs> backupJobs() const;
    // Checks the archive against the machine; Done, or the exit code.
    int readBackup(BackupJobs& jobs, const QString& path);
    // Runs the event loop until the task has finished; false when it was aborted.
    bool waitFor(Task* task);
    // After an interruption the package Installer is installing runs to its end; its result is
    // shown before the program ends.
    void waitForInstaller();
    // Runs the event loop until `done` holds.
    void waitUntil(const std::function<bool()>& done);
    // Scans and searches; null, with the exit code set, when the service failed.
    DriversUpdateModel* search(DriverUpdates& updates, int* exitCode);
    // Asks before changing drivers unless --yes: Done to go ahead, Failed when the answer is
    // no, UsageError when nothing can answer.
    int confirm(int count);
    int usageError(const QString& why);
    int fail(int code, const QString& message);
    // Prints one line per change of the item's status; the JSON entry gets the final one.
    void follow(InstallSource* item, const QString& name);
    QJsonObject statusEntry(const InstallSource& item) const;

    CommandLine m_line;
    Output& m_output;
    Flow::Shared<Configuration> m_configuration;
    QPointer<Task> m_running;
    std::function<void()> m_stop;
    bool m_interrupted = false;
    std::atomic<bool> m_asking{false};
};

}  // namespace Cli
}  // namespace Qln
