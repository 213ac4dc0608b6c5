#include "cli/program.h"

#include <QCoreApplication>
#include <QDebug>
#include <QEventLoop>
#include <QFileInfo>
#include <QTextStream>
#include <QTimer>
#include <cstdio>

#include "backup/backupitemviewmodel.h"
#include "backup/backupjobs.h"
#include "backup/backupmodel.h"
#include "backup/backupselectviewmodel.h"
#include "backup/backupviewmodel.h"
#include "backup/driverchanges.h"
#include "backup/installbackup.h"
#include "backup/installrecovery.h"
#include "backup/recoverymanager.h"
#include "base/task.h"
#include "core/application.h"
#include "core/environment.h"
#include "core/initializetask.h"
#include "core/launcher.h"
#include "hardware/devicescanner.h"
#include "hardware/deviceselectviewmodel.h"
#include "hardware/driversupdatemodel.h"
#include "hardware/driverupdates.h"
#include "hardware/findupdatetask.h"
#include "hardware/installer.h"
#include "hardware/installreporter.h"
#include "hardware/installupdate.h"
#include "hardware/installupdatestask.h"
#include "hardware/scandata.h"
#include "net/settingsdata.h"
#include "platform/console.h"

namespace Qln {
namespace Cli {

namespace {

constexpr int kReportWaitMs = 15000;
constexpr int kInstallerPollMs = 100;

QString dateText(const QDate& date) {
    return date.isValid() ? date.toString(Qt::ISODate) : QString();
}

QJsonObject describe(const DriverDescription::Fields& fields) {
    return {{QStringLiteral("name"), fields.name},
            {QStringLiteral("class"), fields.category},
            {QStringLiteral("provider"), fields.provider},
            {QStringLiteral("version"), fields.version},
            {QStringLiteral("date"), dateText(fields.date)}};
}

QJsonValue driverOf(const Hrdw::Hardware& hardware) {
    if (!hardware.driver) {
        return QJsonValue::Null;
    }
    const Hrdw::Driver& driver = *hardware.driver;
    return QJsonObject{{QStringLiteral("inf"), driver.infName},
                       {QStringLiteral("provider"), driver.provider},
                       {QStringLiteral("version"), driver.version},
                       {QStringLiteral("date"), dateText(driver.date)}};
}

QJsonObject offerOf(const DriverOffer& offer) {
    return {{QStringLiteral("provider"), offer.provider},
            {QStringLiteral("version"), offer.version},
            {QStringLiteral("date"), dateText(offer.date)},
            {QStringLiteral("inf"), offer.infPath},
            {QStringLiteral("inf_sha1"), offer.infSha1},
            {QStringLiteral("size"), static_cast<double>(offer.size)}};
}

// "provider version date", the facts a line of text shows of a driver.
QString facts(const QString& provider, const QString& version, const QString& date) {
    QStringList parts;
    for (const QString& part : {provider, version, date}) {
        if (!part.isEmpty()) {
            parts.append(part);
        }
    }
    return parts.join(QStringLiteral("  "));
}

QString factsOf(const DriverDescription::Fields& fields) {
    return facts(fields.provider, fields.version, dateText(fields.date));
}

}  // namespace

Program::Program(CommandLine line, Output& output, QObject* parent)
    : QObject(parent), m_line(std::move(line)), m_output(output) {}

Program::~Program() {
    if (m_configuration) {
        Launcher::shutDown(*m_configuration);
    }
}

void Program::interrupt() {
    if (m_interrupted) {
        return;
    }
    m_interrupted = true;
    qInfo() << "Console: interrupted";
    if (m_stop) {
        m_stop();
    } else if (m_running) {
        m_running->abort();
    }
}

bool Program::waitFor(Task* task) {
    m_running = task;
    QEventLoop loop;
    bool aborted = false;
    const QMetaObject::Connection connection =
        connect(task, &Task::finished, &loop, [&loop, &aborted](bool wasAborted) {
            aborted = wasAborted;
            loop.quit();
        });
    if (m_interrupted) {
        task->abort();
    }
    loop.exec();
    disconnect(connection);
    m_running = nullptr;
    // Status changes queued before the end reach their objects first.
    QCoreApplication::processEvents();
    return !aborted;
}

void Program::waitForInstaller() {
    // Its result arrives from the installer's thread; the timer wakes the loop to look at the
    // queue's state too.
    QTimer wake;
    wake.start(kInstallerPollMs);
    const Flow::Shared<Installer>& installer = m_configuration->installer;
    waitUntil([&installer] { return !installer->isBusy(); });
    QCoreApplication::processEvents();
}

void Program::waitUntil(const std::function<bool()>& done) {
    while (!done()) {
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
}

int Program::usageError(const QString& why) {
    m_output.error(QStringLiteral("quillon: %1\n\n%2").arg(why, CommandLine::usage()));
    m_output.setError(UsageError, why);
    return UsageError;
}

int Program::fail(int code, const QString& message) {
    m_output.error(message);
    m_output.setError(code, message);
    return code;
}

int Program::run() {
    int code = startUp();
    if (code != Done) {
        return code;
    }
    const QString& command = m_line.command;
    if (command == QLatin1String("devices")) {
        code = devices();
    } else if (command == QLatin1String("updates")) {
        code = updates();
    } else if (command == QLatin1String("install")) {
        code = install();
    } else if (command == QLatin1String("history")) {
        code = history();
    } else if (command == QLatin1String("recovery")) {
        code = recovery();
    } else if (command == QLatin1String("rollback")) {
        code = rollback();
    } else if (command == QLatin1String("backup create")) {
        code = backupCreate();
    } else if (command == QLatin1String("backup check")) {
        code = backupCheck();
    } else if (command == QLatin1String("backup restore")) {
        code = backupRestore();
    }
    return m_interrupted ? Interrupted : code;
}

int Program::startUp() {
    const ArgumentMap& options = m_line.programOptions;
    m_configuration = Launcher::makeConfiguration(options);
    const QString url = Launcher::serviceUrl(options);
    qInfo().noquote() << "Console start:" << Application::kVersion << m_line.command;
    qInfo().noquote() << "Service:" << url;
    InitializeTask task(m_configuration, url, QString::fromLatin1(Application::kVersion));
    Flow::Shared<InitData> data;
    connect(&task, &InitializeTask::initializeFinished, this,
            [&data](Flow::Shared<InitData> found) { data = std::move(found); });
    task.start();
    if (!waitFor(&task) || m_interrupted) {
        return Interrupted;
    }
    if (!data) {
        data = std::make_shared<InitData>();
    }
    const Launcher::StartFacts facts = Launcher::adopt(*m_configuration, options, *data);
    if (facts.failed) {
        // The same two cases the connection-error window tells apart.
        return fail(ServiceError, QStringLiteral("%1: %2 (%3)")
                                      .arg(tr("ConnectErrorHeader"),
                                           facts.serverError ? tr("ServerConnectErrorMessage")
                                                             : tr("InternetConnectErrorMessage"),
                                           url));
    }
    return Done;
}

int Program::devices() {
    const Environment& environment = *m_configuration->environment;
    Task scan;
    scan.chain().add(std::make_shared<DeviceScanner>(environment.checkSystemDevices()));
    scan.start();
    if (!waitFor(&scan)) {
        return Interrupted;
    }
    const auto data = std::dynamic_pointer_cast<ScanData>(scan.result());
    QJsonArray list;
    if (data) {
        for (const Flow::Shared<Hrdw::Hardware>& hardware : data->inventory.hardware) {
            QJsonArray instances;
            for (const Hrdw::Device& device : hardware->devices) {
                instances.append(device.instanceId);
            }
            list.append(QJsonObject{{QStringLiteral("name"), hardware->name},
                                    {QStringLiteral("class"), hardware->className},
                                    {QStringLiteral("hardware_id"), hardware->id},
                                    {QStringLiteral("manufacturer"), hardware->manufacturer},
                                    {QStringLiteral("instances"), instances},
                                    {QStringLiteral("driver"), driverOf(*hardware)}});
            m_output.line(QStringLiteral("%1  [%2]").arg(hardware->name, hardware->className));
            if (const Flow::Shared<Hrdw::Driver>& driver = hardware->driver) {
                m_output.line(
                    QStringLiteral("    %1: %2  %3")
                        .arg(tr("CurrentDriver"),
                             facts(driver->provider, driver->version, dateText(driver->date)),
                             driver->infName));
            }
        }
    }
    m_output.document().insert(QStringLiteral("devices"), list);
    return Done;
}

DriversUpdateModel* Program::search(DriverUpdates& updates, int* exitCode) {
    m_output.line(tr("FindUpdatesHeader"));
    updates.finder()->start();
    if (!waitFor(updates.finder())) {
        *exitCode = Interrupted;
        return nullptr;
    }
    DriversUpdateModel* model = updates.finder()->takeResult();
    model->setParent(&updates);
    if (model->error()) {
        *exitCode =
            fail(ServiceError, QStringLiteral("%1: %2").arg(tr("ConnectErrorHeader"),
                                                            tr("ServerConnectErrorMessage")));
        return nullptr;
    }
    *exitCode = Done;
    return model;
}

namespace {

DriverUpdates::Services servicesOf(const Configuration& configuration) {
    DriverUpdates::Services services;
    services.unpackFolder = configuration.environment->unpackDir();
    services.includeSystemDevices = configuration.environment->checkSystemDevices();
    services.serviceClient = configuration.serviceClient;
    services.installer = configuration.installer;
    services.analytics = configuration.analytics;
    services.recovery = configuration.recoveryManager;
    return services;
}

}  // namespace

int Program::updates() {
    DriverUpdates updates(servicesOf(*m_configuration));
    int code = Done;
    DriversUpdateModel* model = search(updates, &code);
    if (!model) {
        return code;
    }
    QJsonArray list;
    const QList<DeviceSelectViewModel*>& rows = model->rows();
    m_output.line(rows.isEmpty() ? tr("SearchCompleteTitle") : tr("UpdatesFoundHeader"));
    for (int index = 0; index < rows.size(); ++index) {
        const DeviceSelectViewModel& row = *rows.at(index);
        const Hrdw::Hardware& hardware = *row.hardware();
        m_output.line(
            QStringLiteral("%1  %2  [%3]").arg(index + 1).arg(row.name(), row.className()));
        if (hardware.driver) {
            m_output.line(QStringLiteral("      %1: %2")
                              .arg(tr("CurrentDriver"),
                                   facts(hardware.driver->provider, hardware.driver->version,
                                         dateText(hardware.driver->date))));
        }
        QJsonArray offers;
        for (int offer = 0; offer < row.offers().size(); ++offer) {
            const DriverOffer& driver = row.offers().at(offer);
            QJsonObject entry = offerOf(driver);
            entry.insert(QStringLiteral("number"), offer + 1);
            entry.insert(QStringLiteral("recommended"), offer == 0);
            offers.append(entry);
            m_output.line(
                QStringLiteral("    %1. %2: %3%4")
                    .arg(offer + 1)
                    .arg(tr("NewVersion"),
                         facts(driver.provider, driver.version, dateText(driver.date)),
                         offer == 0 ? QStringLiteral("  (%1)").arg(tr("Recomended")) : QString()));
        }
        list.append(QJsonObject{{QStringLiteral("number"), index + 1},
                                {QStringLiteral("name"), row.name()},
                                {QStringLiteral("class"), row.className()},
                                {QStringLiteral("hardware_id"), hardware.id},
                                {QStringLiteral("driver"), driverOf(hardware)},
                                {QStringLiteral("offers"), offers}});
    }
    m_output.document().insert(QStringLiteral("devices"), list);
    return Done;
}

int Program::confirm(int count) {
    m_output.line();
    m_output.line(tr("NoSignTitle"));
    m_output.line(tr("NoSignInfo"));
    m_output.line(tr("NoSignEpilog"));
    if (m_line.yes) {
        return Done;
    }
    // A script must say --yes; nothing may change on an unanswered question.
    if (m_output.isJson() || !platform::isTerminal(platform::StandardStream::Input)) {
        return usageError(QStringLiteral("%1 item(s) chosen; add --yes to go ahead").arg(count));
    }
    QTextStream out(stdout);
    out << QStringLiteral("%1 (%2) [y/N] ").arg(tr("NoSignContinueButton")).arg(count);
    out.flush();
    QTextStream in(stdin);
    m_asking = true;
    const QString answer = in.readLine().trimmed().toLower();
    m_asking = false;
    return answer == QLatin1String("y") || answer == QLatin1String("yes") ? Done : Failed;
}

QJsonObject Program::statusEntry(const InstallSource& item) const {
    const InstallResult result = item.result();
    return {{QStringLiteral("status"), item.state()->statusText()},
            {QStringLiteral("error_code"), result.errorCode},
            {QStringLiteral("system_error_code"), static_cast<double>(result.systemErrorCode)}};
}

void Program::follow(InstallSource* item, const QString& name) {
    InstallState* state = item->state();
    const bool backupItem = qobject_cast<InstallBackup*>(item) != nullptr;
    connect(state, &InstallState::statusChanged, this, [this, item, state, name, backupItem] {
        QString text;
        switch (state->status()) {
            case InstallState::Normal:
                return;
            case InstallState::Waiting:
                text = backupItem ? tr("WaitInstallBackup") : tr("DriverWaitInstallStatus");
                break;
            case InstallState::Download:
                text = tr("DriverDownloadStatus");
                break;
            case InstallState::Unpacking:
                text = tr("Unpacking");
                break;
            case InstallState::Installation:
                text = backupItem ? tr("InstallBackup") : tr("DriverInstallStatus");
                break;
            case InstallState::Complete:
                text = backupItem ? tr("InstallBackupSuccess") : tr("DriverInstallCompleteStatus");
                break;
            case InstallState::Error: {
                const InstallResult result = item->result();
                text = backupItem ? tr("InstallBackupError") : tr("DriverInstallErrorStatus");
                // A step before Installer (download, unpack) fails without codes.
                if (!result.succeeded()) {
                    text += QStringLiteral(" (%1, 0x%2)")
                                .arg(result.errorCode)
                                .arg(result.systemErrorCode, 8, 16, QLatin1Char('0'));
                }
                break;
            }
        }
        m_output.line(QStringLiteral("%1: %2").arg(name, text));
    });
    connect(state, &InstallState::downloadProgress, this,
            [this, name](qint64 received, qint64 total) {
                m_output.progress(QStringLiteral("%1: %2").arg(name, tr("DriverDownloadStatus")),
                                  received, total);
            });
}

int Program::install() {
    DriverUpdates updates(servicesOf(*m_configuration));
    int code = Done;
    DriversUpdateModel* model = search(updates, &code);
    if (!model) {
        return code;
    }
    const QList<DeviceSelectViewModel*>& rows = model->rows();
    QList<DeviceSelectViewModel*> chosen;
    if (m_line.all) {
        chosen = rows;
    }
    for (int number : m_line.numbers) {
        if (number > rows.size()) {
            return usageError(QStringLiteral("no device %1: `quillon updates` lists %2")
                                  .arg(number)
                                  .arg(rows.size()));
        }
        chosen.append(rows.at(number - 1));
    }
    for (DeviceSelectViewModel* row : chosen) {
        if (m_line.offer > row->offers().size()) {
            return usageError(
                QStringLiteral("%1 has no offer %2").arg(row->name()).arg(m_line.offer));
        }
        row->setSelectDriverIndex(m_line.offer > 0 ? m_line.offer - 1 : 0);
    }
    QJsonArray packages;
    if (chosen.isEmpty()) {
        m_output.line(tr("SearchCompleteTitle"));
        m_output.document().insert(QStringLiteral("packages"), packages);
        m_output.document().insert(QStringLiteral("reboot"), false);
        return Done;
    }
    if (const int answer = confirm(chosen.size()); answer != Done) {
        return answer;
    }
    bool reboot = false;
    connect(m_configuration->installer.get(), &Installer::ShowNeedRebootMessage, this,
            [&reboot] { reboot = true; });
    connect(&updates, &DriverUpdates::installListChanged, this, [this, &updates] {
        for (const Flow::Shared<InstallUpdate>& update : updates.installList()) {
            follow(update.get(), update->name());
        }
    });
    m_output.line(tr("InstallDriversHeader"));
    updates.install(chosen);
    m_stop = [&updates] { updates.abortInstall(); };
    waitFor(updates.installer());
    m_stop = nullptr;
    waitForInstaller();

    bool allDone = true;
    const QList<Flow::Shared<InstallUpdate>>& list = updates.installList();
    for (int index = 0; index < list.size(); ++index) {
        const InstallUpdate& update = *list.at(index);
        QJsonObject entry = statusEntry(update);
        entry.insert(QStringLiteral("number"), rows.indexOf(chosen.at(index)) + 1);
        entry.insert(QStringLiteral("name"), update.name());
        if (const DriverOffer* offer = update.selectedOffer()) {
            entry.insert(QStringLiteral("offer"), offerOf(*offer));
        }
        packages.append(entry);
        allDone = allDone && update.state()->status() == InstallState::Complete;
    }
    m_output.document().insert(QStringLiteral("packages"), packages);
    m_output.document().insert(QStringLiteral("reboot"), reboot);
    // The windows send the reports while they stay open; a console run waits for them a while.
    if (InstallReporter* reporter = updates.reporter()) {
        QTimer deadline;
        deadline.setSingleShot(true);
        deadline.start(kReportWaitMs);
        QEventLoop loop;
        connect(reporter, &InstallReporter::Sent, &loop, &QEventLoop::quit);
        connect(reporter, &InstallReporter::Dropped, &loop, &QEventLoop::quit);
        connect(&deadline, &QTimer::timeout, &loop, &QEventLoop::quit);
        m_stop = [&loop] { loop.quit(); };
        while (reporter->pending() > 0 && deadline.isActive() && !m_interrupted) {
            loop.exec();
        }
        m_stop = nullptr;
    }
    if (!m_interrupted) {
        m_output.line(tr("InstallCompleteHeader"));
    }
    if (reboot) {
        m_output.line(QStringLiteral("%1: %2").arg(tr("NeedRebootSystemTitle"),
                                                   tr("NeedRebootSystemMessage")));
    }
    return allDone ? Done : Failed;
}

int Program::history() {
    const QList<DriverChanges*>& entries = m_configuration->recoveryManager->historyEntries();
    m_output.line(entries.isEmpty() ? tr("EmptyHistoryMessage") : tr("HistoryHeader"));
    QJsonArray list;
    for (const DriverChanges* entry : entries) {
        const DriverDescription::Fields& driver = entry->driver()->fields();
        QJsonObject row = describe(driver);
        row.insert(QStringLiteral("changed"), dateText(entry->changesDate()));
        list.append(row);
        m_output.line(QStringLiteral("%1  %2  [%3]  %4")
                          .arg(dateText(entry->changesDate()), driver.name, driver.category,
                               factsOf(driver)));
    }
    m_output.document().insert(QStringLiteral("history"), list);
    return Done;
}

int Program::recovery() {
    const QList<Flow::Shared<InstallRecovery>>& points =
        m_configuration->recoveryManager->recoveryPoints();
    m_output.line(points.isEmpty() ? tr("RecoveryEmptyMessage") : tr("RecoveryHeader"));
    QJsonArray list;
    for (int index = 0; index < points.size(); ++index) {
        const InstallRecovery& point = *points.at(index);
        const DriverDescription::Fields& driver = point.changes()->driver()->fields();
        QJsonObject row = describe(driver);
        row.insert(QStringLiteral("number"), index + 1);
        row.insert(QStringLiteral("created"), dateText(point.changes()->changesDate()));
        row.insert(QStringLiteral("hardware_id"), point.hardwareId());
        row.insert(QStringLiteral("archive"), point.package().path);
        list.append(row);
        m_output.line(QStringLiteral("%1  %2  %3  [%4]  %5")
                          .arg(index + 1)
                          .arg(dateText(point.changes()->changesDate()), driver.name,
                               driver.category, factsOf(driver)));
    }
    m_output.document().insert(QStringLiteral("recovery"), list);
    return Done;
}

int Program::rollback() {
    RecoveryManager& manager = *m_configuration->recoveryManager;
    const int number = m_line.numbers.first();
    if (number > manager.recoveryPoints().size()) {
        return usageError(QStringLiteral("no recovery point %1: `quillon recovery` lists %2")
                              .arg(number)
                              .arg(manager.recoveryPoints().size()));
    }
    // Held here: a successful rollback takes the point out of the manager's list.
    const Flow::Shared<InstallRecovery> point = manager.recoveryPoints().at(number - 1);
    const QString name = point->changes()->driver()->name();
    follow(point.get(), name);
    const auto ended = [&point] {
        const InstallState::InstallStatus status = point->state()->status();
        return status == InstallState::Complete || status == InstallState::Error;
    };
    // One Installer run: an interruption lets it finish.
    manager.recovery(point.get());
    waitUntil(ended);
    // The list follows the files once the rollback's report has arrived.
    QCoreApplication::processEvents();
    QJsonObject entry = statusEntry(*point);
    entry.insert(QStringLiteral("number"), number);
    entry.insert(QStringLiteral("name"), name);
    m_output.document().insert(QStringLiteral("rollback"), entry);
    return point->state()->status() == InstallState::Complete ? Done : Failed;
}

std::unique_ptr<BackupJobs> Program::backupJobs() const {
    const Environment& environment = *m_configuration->environment;
    return std::make_unique<BackupJobs>(m_configuration->installer, environment.unpackDir(),
                                        environment.checkSystemDevices(),
                                        m_configuration->analytics);
}

int Program::readBackup(BackupJobs& jobs, const QString& path) {
    if (!QFileInfo(path).isFile()) {
        return usageError(QStringLiteral("no such file: %1").arg(m_line.file));
    }
    jobs.beginRead(path);
    if (!waitFor(jobs.initiator())) {
        return Interrupted;
    }
    if (!jobs.checkedModel()) {
        return fail(Failed, QStringLiteral("quillon: backup not read: %1").arg(path));
    }
    return Done;
}

int Program::backupCreate() {
    const QString path =
        QFileInfo(m_line.file.isEmpty() ? m_configuration->environment->backupArchivePath()
                                        : m_line.file)
            .absoluteFilePath();
    const std::unique_ptr<BackupJobs> jobsHeld = backupJobs();
    BackupJobs& jobs = *jobsHeld;
    m_output.line(tr("BackupListTitle"));
    int shown = 0;
    const auto showPacked = [&] {
        const QList<QObject*> packed = jobs.model()->packed();
        for (; shown < packed.size(); ++shown) {
            const auto* item = static_cast<BackupItemViewModel*>(packed.at(shown));
            const DriverDescription::Fields& fields = item->driver()->fields();
            m_output.line(QStringLiteral("  %1  [%2]  %3")
                              .arg(fields.name, fields.category, factsOf(fields)));
        }
    };
    connect(jobs.model(), &BackupViewModel::packedChanged, this, showPacked);
    jobs.beginCreate(path);
    m_stop = [&jobs] { jobs.stopCreate(); };
    const bool finished = waitFor(jobs.creator());
    m_stop = nullptr;
    showPacked();
    if (!finished) {
        return Interrupted;
    }
    // The archive is renamed into place only when whole.
    if (!QFileInfo(path).isFile()) {
        return fail(Failed, QStringLiteral("quillon: backup not written: %1").arg(path));
    }
    QJsonArray drivers;
    for (QObject* object : jobs.model()->packed()) {
        drivers.append(describe(static_cast<BackupItemViewModel*>(object)->driver()->fields()));
    }
    m_output.document().insert(
        QStringLiteral("backup"),
        QJsonObject{{QStringLiteral("path"), path}, {QStringLiteral("drivers"), drivers}});
    m_output.line(QStringLiteral("%1: %2").arg(tr("BackupCreateTitle"), path));
    return Done;
}

int Program::backupCheck() {
    const QString path = QFileInfo(m_line.file).absoluteFilePath();
    const std::unique_ptr<BackupJobs> jobsHeld = backupJobs();
    BackupJobs& jobs = *jobsHeld;
    if (const int code = readBackup(jobs, path); code != Done) {
        return code;
    }
    const Flow::Shared<Backup::BackupModel> model = jobs.checkedModel();
    const QList<Backup::BackupDriver> drivers = model->drivers();
    const BackupArchModel& checked = jobs.checked();
    m_output.line(QStringLiteral("%1 %2").arg(tr("BackupFromFileText"), path));
    QJsonObject document{{QStringLiteral("path"), path}};
    const auto group = [&](const char* key, const QString& title,
                           const QList<BackupArchModel::Item>& items, bool numbered) {
        QJsonArray list;
        if (!items.isEmpty()) {
            m_output.line(title);
        }
        for (int index = 0; index < items.size(); ++index) {
            const DriverDescription::Fields fields = BackupItemViewModel::describe(
                drivers.at(items.at(index).first), items.at(index).second);
            QJsonObject row = describe(fields);
            if (numbered) {
                row.insert(QStringLiteral("number"), index + 1);
            }
            list.append(row);
            m_output.line(QStringLiteral("  %1%2  [%3]  %4")
                              .arg(numbered ? QStringLiteral("%1  ").arg(index + 1) : QString(),
                                   fields.name, fields.category, factsOf(fields)));
        }
        document.insert(QLatin1String(key), list);
    };
    if (checked.restorable.isEmpty()) {
        m_output.line(tr("NoBackupDevices"));
    }
    group("restorable", tr("OldDriverList"), checked.restorable, true);
    group("unchanged", tr("DevNoChange"), checked.unchanged, false);
    group("missing", tr("DevMissing"), checked.missing, false);
    QJsonArray added;
    if (!checked.newHardware.isEmpty()) {
        m_output.line(tr("DevNewHardware"));
    }
    for (const DriverDescription::Fields& fields : checked.newHardware) {
        added.append(describe(fields));
        m_output.line(QStringLiteral("  %1  [%2]").arg(fields.name, fields.category));
    }
    document.insert(QStringLiteral("new_hardware"), added);
    m_output.document().insert(QStringLiteral("check"), document);
    return Done;
}

int Program::backupRestore() {
    const QString path = QFileInfo(m_line.file).absoluteFilePath();
    const std::unique_ptr<BackupJobs> jobsHeld = backupJobs();
    BackupJobs& jobs = *jobsHeld;
    if (const int code = readBackup(jobs, path); code != Done) {
        return code;
    }
    const QList<QObject*> rows = jobs.model()->backup();
    for (int number : m_line.numbers) {
        if (number > rows.size()) {
            return usageError(
                QStringLiteral("no item %1: `quillon backup check` lists %2 to restore")
                    .arg(number)
                    .arg(rows.size()));
        }
    }
    // The install list keeps the rows' order.
    QList<int> chosenNumbers;
    for (int index = 0; index < rows.size(); ++index) {
        const bool chosen = m_line.all || m_line.numbers.contains(index + 1);
        static_cast<BackupSelectViewModel*>(rows.at(index))->setSelect(chosen);
        if (chosen) {
            chosenNumbers.append(index + 1);
        }
    }
    const int count = chosenNumbers.size();
    QJsonArray items;
    QJsonObject document{{QStringLiteral("path"), path}};
    if (count == 0) {
        m_output.line(tr("NoBackupDevices"));
        document.insert(QStringLiteral("items"), items);
        m_output.document().insert(QStringLiteral("restore"), document);
        return Done;
    }
    if (const int answer = confirm(count); answer != Done) {
        return answer;
    }
    connect(jobs.model(), &BackupViewModel::installChanged, this, [this, &jobs] {
        for (QObject* object : jobs.model()->installList()) {
            auto* item = static_cast<InstallBackup*>(object);
            follow(item, item->name());
        }
    });
    m_output.line(tr("BackupInstallTitle"));
    jobs.beginInstall();
    m_stop = [&jobs] { jobs.stopInstall(); };
    waitFor(jobs.installer());
    m_stop = nullptr;
    waitForInstaller();
    bool allDone = true;
    const QList<QObject*> installed = jobs.model()->installList();
    for (int index = 0; index < installed.size(); ++index) {
        const auto* item = static_cast<InstallBackup*>(installed.at(index));
        QJsonObject entry = statusEntry(*item);
        entry.insert(QStringLiteral("name"), item->name());
        entry.insert(QStringLiteral("number"), chosenNumbers.value(index));
        items.append(entry);
        allDone = allDone && item->state()->status() == InstallState::Complete;
    }
    document.insert(QStringLiteral("items"), items);
    m_output.document().insert(QStringLiteral("restore"), document);
    if (!m_interrupted) {
        m_output.line(tr("BackupInstalledTitle"));
    }
    return allDone ? Done : Failed;
}

}  // namespace Cli
}  // namespace Qln
