#include "launcher.h"

#include <QCoreApplication>
#include <QDebug>
#include <QTimer>
#include <QUrl>

#include "manager.h"
#include "scopeprofiler.h"

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
    // The program has no window to show yet, so the run ends once start-up is done.
    QTimer::singleShot(0, qApp, &QCoreApplication::quit);
}

}  // namespace Qln
