#include "core/application.h"

#include <QCoreApplication>
#include <QDebug>
#include <QProcess>

#include "base/logging.h"
#include "base/scopeprofiler.h"
#include "core/launcher.h"
#include "core/windowcontroller.h"
#include "platform/activewindow.h"
#include "platform/singleinstancemutex.h"

namespace Qln {

namespace {

QGuiApplication* createGui(int& argc, char** argv) {
    QCoreApplication::setAttribute(Qt::AA_UseSoftwareOpenGL);
    QCoreApplication::setAttribute(Qt::AA_Use96Dpi);
    QCoreApplication::setApplicationName(QStringLiteral("Quillon") + QStringLiteral("Pro"));
    QCoreApplication::setApplicationVersion(QString::fromLatin1(Application::kVersion));
    return new QGuiApplication(argc, argv);
}

}  // namespace

Application::Application(int& argc, char** argv)
    : m_gui(createGui(argc, argv)),
      m_arguments(parseArguments(QCoreApplication::arguments())),
      m_activation(std::make_unique<platform::ActivationListener>()) {
    m_windows = std::make_unique<WindowController>();
    connect(this, &Application::activationRequested, m_windows.get(), &WindowController::Activate);
}

Application::~Application() {
    m_activation.reset();
    // The windows show the launcher's modules, so they go first.
    m_windows.reset();
    m_launcher.reset();
    m_gui.reset();
}

bool Application::claimInstance(platform::SingleInstanceMutex& mutex, const ArgumentMap& arguments,
                                int waitMs) {
    if (!mutex.alreadyExisted()) {
        return true;
    }
    if (!arguments.contains(QStringLiteral("wait"))) {
        // The first copy may still be starting and have no window to show yet.
        if (const std::uint32_t handle = platform::activeWindowHandle()) {
            platform::activateWindow(handle);
        }
        return false;
    }
    return mutex.wait(static_cast<std::uint32_t>(waitMs)) ==
           platform::SingleInstanceMutex::WaitResult::Acquired;
}

void Application::start() {
    ScopeProfiler profiler(QStringLiteral("Initialize"));
    Logging::init(Logging::defaultPath(), m_arguments.contains(QStringLiteral("log")));
    qInfo().noquote() << "App start:" << kVersion;
    if (m_arguments.contains(QStringLiteral("ver"))) {
        qInfo().noquote() << "Custom:" << m_arguments.value(QStringLiteral("ver"));
    }
    // The listener's thread hands activations over to this object's thread.
    m_activation->start([this](std::uint32_t handle) {
        QMetaObject::invokeMethod(
            this, [this, handle] { emit activationRequested(handle); }, Qt::QueuedConnection);
    });
    m_launcher = std::make_unique<Launcher>(&m_arguments, QCoreApplication::applicationDirPath());
    m_launcher->setWindowController(m_windows.get());
    m_launcher->setStartObserverFactory(m_observerFactory);
    m_launcher->migrate();
    m_launcher->start();
}

int Application::exec() {
    return QCoreApplication::exec();
}

void Application::stop() {
    qInfo() << "App stop";
    m_activation->stop();
    m_windows->Exit();
    if (m_launcher) {
        m_launcher->shutDown();
    }
}

QStringList Application::restartArguments(QStringList arguments) {
    if (arguments.isEmpty()) {
        return {};
    }
    arguments.removeFirst();
    if (!arguments.contains(QStringLiteral("-wait"))) {
        arguments.append(QStringLiteral("-wait"));
    }
    return arguments;
}

void Application::restart() {
    const QStringList all = QCoreApplication::arguments();
    if (all.isEmpty()) {
        return;
    }
    const QString program = all.first();
    const QStringList arguments = restartArguments(all);
    qDebug().noquote() << "Restart:" << program << arguments.join(QLatin1Char(' '));
    QCoreApplication::quit();
    QProcess::startDetached(program, arguments);
}

}  // namespace Qln
