#include "core/launcher.h"

#include <QCoreApplication>
#include <QDebug>
#include <QThreadPool>
#include <QUrl>

#include "autorun/autorunmodule.h"
#include "backup/recoveryfiles.h"
#include "backup/recoverymanager.h"
#include "base/scopeprofiler.h"
#include "core/application.h"
#include "core/initializetask.h"
#include "core/mainwindow.h"
#include "core/modulelist.h"
#include "core/windowcontroller.h"
#include "hardware/installer.h"
#include "hardware/osinfo.h"
#include "net/appupdatetask.h"
#include "net/manager.h"
#include "net/serviceclient.h"
#include "net/settingsdata.h"

#ifndef QLN_SERVICE_BASE_URL
#define QLN_SERVICE_BASE_URL "http://127.0.0.1:8787"
#endif

namespace Qln {

namespace {

// The scan, the update pipeline, a rollback, a restore and the cloud upload may all run at once.
constexpr int kLeastPoolThreads = 6;

}  // namespace

Launcher::Launcher(const ArgumentMap* arguments, const QString& applicationDir, QObject* parent)
    : QObject(parent),
      m_configuration(makeConfiguration(*arguments)),
      m_arguments(arguments),
      m_applicationDir(applicationDir) {}

Flow::Shared<Configuration> Launcher::makeConfiguration(const ArgumentMap& arguments) {
    ScopeProfiler profiler(QStringLiteral("Launcher"));
    auto configuration = std::make_shared<Configuration>();
    // The background jobs mostly wait: on the Installer, the service or the disk. With one
    // pool thread per core, a running update could keep a rollback or a restore from starting
    // on a two-core PC.
    QThreadPool* pool = QThreadPool::globalInstance();
    pool->setMaxThreadCount(qMax(pool->maxThreadCount(), kLeastPoolThreads));
    Net::Manager::instance()->configure(QString(), 10000,
                                        !arguments.contains(QStringLiteral("nostrict")));
    configuration->environment = std::make_shared<Environment>();
    // Local runs point the hits at the reference service's collector instead.
    const QString batchUrl = qEnvironmentVariable("QUILLON_ANALYTICS_URL");
    configuration->analytics = std::make_shared<Utils::GAnalytics>(
        QCoreApplication::applicationName(), QCoreApplication::applicationVersion(),
        batchUrl.isEmpty() ? Utils::GAnalytics::defaultBatchUrl() : QUrl(batchUrl));
    return configuration;
}

void Launcher::setWindowController(WindowController* windows) {
    m_windows = windows;
}

Launcher::~Launcher() {
    m_moduleList.reset();
    if (m_configuration->analytics && !m_shutDown) {
        m_configuration->analytics->endSession();
    }
}

void Launcher::shutDown() {
    if (m_shutDown) {
        return;
    }
    m_shutDown = true;
    shutDown(*m_configuration);
}

void Launcher::shutDown(Configuration& configuration) {
    if (const Flow::Shared<Utils::GAnalytics>& analytics = configuration.analytics) {
        analytics->endSession();
        // Hits without a tracking identifier have nowhere to go.
        if (!analytics->trackingId().isEmpty()) {
            analytics->sendAll();
        }
    }
    if (configuration.environment) {
        configuration.environment->sync();
    }
}

QString Launcher::builtInServiceUrl() {
    return QStringLiteral(QLN_SERVICE_BASE_URL);
}

QString Launcher::serviceUrl(const ArgumentMap& arguments) {
    // A `-host` without a value names nothing to use instead.
    const QString host = arguments.value(QStringLiteral("host"));
    return host.isEmpty() ? builtInServiceUrl() : host;
}

Launcher::MigrationSteps Launcher::migrationSteps(const QVersionNumber& stored,
                                                  const QVersionNumber& current) {
    MigrationSteps steps;
    if (!(current > stored)) {
        return steps;
    }
    steps.firstRun = true;
    steps.makeDefaultTask = stored < QVersionNumber(1, 0, 1);
    if (!stored.isNull()) {
        steps.repointTask = stored < QVersionNumber(1, 0, 4);
        steps.migrateLegacy = stored < QVersionNumber(1, 2, 0);
    }
    return steps;
}

Launcher::MigrationSteps Launcher::migrate() {
    const Flow::Shared<Environment>& environment = m_configuration->environment;
    const QVersionNumber current =
        QVersionNumber::fromString(QString::fromLatin1(Application::kVersion));
    const QVersionNumber stored = environment->version();
    const MigrationSteps steps = migrationSteps(stored, current);
    if (!steps.firstRun) {
        return steps;
    }
    qInfo().noquote() << "Version change:"
                      << (stored.isNull() ? QStringLiteral("none") : stored.toString()) << "->"
                      << current.toString();
    environment->setVersion(current);
    m_configuration->analytics->sendEvent(QStringLiteral("FirstRun"), current.toString(),
                                          stored.isNull() ? QString() : stored.toString());
    if (steps.makeDefaultTask) {
        AutorunModule::makeDefaultTask(m_applicationDir);
    }
    if (steps.repointTask) {
        AutorunModule::repointTask(m_applicationDir);
    }
    if (steps.migrateLegacy) {
        QString error;
        if (!RecoveryFiles::migrateLegacy(environment->backupsDir(), environment->downloadDir(),
                                          Environment::appDataDir(), &error)) {
            qCritical().noquote() << "Legacy records not migrated:" << error;
        }
    }
    return steps;
}

void Launcher::start() {
    const Flow::Shared<Environment> environment = m_configuration->environment;
    qInfo().noquote() << "Application id:" << environment->appId().toString();
    qInfo().noquote() << "Locale:" << environment->locale().name();
    qInfo().noquote() << "Download folder:" << environment->downloadDir();
    WindowController* windows = m_windows.data();
    if (!windows) {
        qCritical() << "Windows controller is not define";
        return;
    }
    // A `-ver` without a value names nothing to use instead.
    const QString version = m_arguments->value(QStringLiteral("ver"));
    const QString baseUrl = serviceUrl(*m_arguments);
    qInfo().noquote() << "Service:" << baseUrl;

    if (!m_observer && m_observerFactory) {
        m_observer = m_observerFactory(windows, this);
    }
    windows->setTracker(m_configuration->analytics.get());
    auto* task = new InitializeTask(
        m_configuration, baseUrl,
        version.isEmpty() ? QString::fromLatin1(Application::kVersion) : version);
    connect(task, &InitializeTask::initializeFinished, this, &Launcher::initializeFinished);
    windows->setInitTask(task);
    windows->ShowInitWindow();
}

void Launcher::initializeFinished(Flow::Shared<InitData> data) {
    if (!data) {
        data = std::make_shared<InitData>();
    }
    if (m_observer) {
        m_observer->whenInitDone([this, data] { finish(data); });
    } else {
        finish(data);
    }
}

void Launcher::finish(const Flow::Shared<InitData>& data) {
    WindowController* windows = m_windows.data();
    if (!windows) {
        return;
    }
    Configuration& configuration = *m_configuration;
    const StartFacts facts = adopt(configuration, *m_arguments, *data);
    const bool authorised = facts.authorised;
    const bool serverError = facts.serverError;
    const bool failed = facts.failed;
    const Flow::Shared<SettingsData>& settings = facts.settings;

    const QString tab = m_arguments->value(QStringLiteral("tab"));
    auto modules = std::make_unique<ModuleList>(m_configuration, m_applicationDir, tab);
    windows->setModules(*modules);
    windows->mainWindow()->setServiceFacts(authorised, settings->driversUpdatedAt,
                                           settings->publicUrls);
    // The modules of an earlier run may still be on a view until the next window is shown.
    std::unique_ptr<ModuleList> previous = std::move(m_moduleList);
    m_moduleList = std::move(modules);

    const AppUpdateInfo& offer = settings->update;
    if (!failed && !offer.version.isNull() &&
        (configuration.environment->checkUpdates() || offer.force)) {
        qInfo().noquote() << "Update offered:" << offer.version.toString()
                          << (offer.force ? "(forced)" : "");
        const QUrl url(configuration.serviceClient->endpoints().appUpdate);
        windows->setUpdateTask(
            std::make_unique<AppUpdateTask>(
                offer, url,
                std::unique_ptr<Net::IDownloader>(configuration.serviceClient->createDownloader())),
            configuration.analytics);
        windows->ShowUpdateWindow();
    } else if (failed) {
        windows->ShowErrorWindow(serverError);
    } else {
        windows->ShowMainWindow();
    }
}

Launcher::StartFacts Launcher::adopt(Configuration& configuration, const ArgumentMap& arguments,
                                     InitData& data) {
    configuration.serviceClient = std::move(data.serviceClient);
    configuration.osInfo = data.osInfo;
    configuration.systemInfo = data.systemInfo;
    configuration.settingsData = data.settingsData;

    StartFacts facts;
    facts.authorised =
        configuration.serviceClient && !configuration.serviceClient->token()->token.isEmpty();
    facts.settings =
        configuration.settingsData ? configuration.settingsData : std::make_shared<SettingsData>();
    facts.serverError = facts.settings->error.code != 0;
    // Settings that never arrived leave the program without its endpoints, even with a token.
    facts.failed = !facts.authorised || facts.serverError || !data.settingsFetched;

    Utils::GAnalytics& analytics = *configuration.analytics;
    if (!facts.settings->analyticsId.isEmpty()) {
        analytics.setTrackingId(facts.settings->analyticsId);
    }
    analytics.start();
    analytics.startSession();

    configuration.installer = std::make_shared<Installer>(
        arguments, configuration.osInfo && configuration.osInfo->is64());
    const Environment& environment = *configuration.environment;
    configuration.recoveryManager = std::make_shared<RecoveryManager>(
        RecoveryManager::Folders{Environment::appDataDir(), environment.backupsDir(),
                                 environment.unpackDir(), environment.downloadDir()},
        configuration.installer);
    return facts;
}

}  // namespace Qln
