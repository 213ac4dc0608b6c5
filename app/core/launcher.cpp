#include "launcher.h"

#include <QCoreApplication>
#include <QDebug>
#include <QTimer>

#include "scopeprofiler.h"

namespace Qln {

Launcher::Launcher(const ArgumentMap* arguments, const QString& applicationDir, QObject* parent)
    : QObject(parent),
      m_configuration(std::make_shared<Configuration>()),
      m_arguments(arguments),
      m_applicationDir(applicationDir) {
    ScopeProfiler profiler(QStringLiteral("Launcher"));
    m_configuration->environment = std::make_shared<Environment>();
}

Launcher::~Launcher() = default;

void Launcher::start() {
    const Flow::Shared<Environment> environment = m_configuration->environment;
    qInfo().noquote() << "Application id:" << environment->appId().toString();
    qInfo().noquote() << "Locale:" << environment->locale().name();
    qInfo().noquote() << "Download folder:" << environment->downloadDir();
    // The program has no window to show yet, so the run ends once start-up is done.
    QTimer::singleShot(0, qApp, &QCoreApplication::quit);
}

}  // namespace Qln
