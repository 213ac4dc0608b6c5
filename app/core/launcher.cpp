#include "launcher.h"

#include <QCoreApplication>
#include <QDebug>
#include <QTimer>
#include <QUrl>

#include "manager.h"
#include "modulelist.h"
#include "scopeprofiler.h"
#include "screenshottour.h"
#include "windowcontroller.h"

namespace Qln {

Launcher::Launcher(const ArgumentMap* arguments, const QString& applicationDir, QObject* parent)
    : QObject(parent),
      m_configuration(std::make_shared<Configuration>()),
      m_arguments(arguments),
      m_applicationDir(applicationDir) {
    ScopeProfiler profiler(QStringLiteral("Launcher"));
    Net::Manager::instance()->configure(QString(), 10000,
                                        !m_arguments->contains(QStringLiteral("nostrict")));
    m_configuration->environment = std::make_shared<Environment>();
    // Local runs point the hits at the reference service's collector instead.
    const QString batchUrl = qEnvironmentVariable("QUILLON_ANALYTICS_URL");
    m_configuration->analytics = std::make_shared<Utils::GAnalytics>(
        QCoreApplication::applicationName(), QCoreApplication::applicationVersion(),
        batchUrl.isEmpty() ? Utils::GAnalytics::defaultBatchUrl() : QUrl(batchUrl));
}

Launcher::~Launcher() {
    if (m_configuration->analytics) {
        m_configuration->analytics->endSession();
    }
}

void Launcher::start() {
    const Flow::Shared<Environment> environment = m_configuration->environment;
    qInfo().noquote() << "Application id:" << environment->appId().toString();
    qInfo().noquote() << "Locale:" << environment->locale().name();
    qInfo().noquote() << "Download folder:" << environment->downloadDir();
    if (!m_windows) {
        QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        return;
    }
    ScreenshotTour::startFromEnvironment(m_windows, this);
    m_windows->setTracker(m_configuration->analytics.get());
    m_windows->ShowInitWindow();
    // Until start-up talks to the service, the init window only shows itself for a moment.
    QTimer::singleShot(1000, this, &Launcher::finish);
}

void Launcher::finish() {
    const QString tab = m_arguments ? m_arguments->value(QStringLiteral("tab")) : QString();
    auto modules = std::make_unique<ModuleList>(m_configuration, m_applicationDir, tab);
    m_windows->setModules(*modules);
    m_windows->ShowMainWindow();
    // The old modules may still be on the old view until the new one is shown.
    m_moduleList = std::move(modules);
}

}  // namespace Qln
