#include "hardware/installer.h"

#include <QCoreApplication>
#include <QThread>
#include <QtConcurrent>

#include "base/logcategories.h"
#include "base/scopeprofiler.h"
#include "formats/installwire.h"
#include "platform/installpipe.h"
#include "platform/process.h"
#include "platform/systemerror.h"

namespace Qln {

namespace {

// How long Installer may take to end after the exchange; it is not killed afterwards.
constexpr std::uint32_t kProcessWaitMs = 10000;

QString systemMessage(std::uint32_t code) {
    return QString::fromStdString(platform::systemErrorMessage(code)).trimmed();
}

formats::wire::InstallRequest toWire(const InstallRequest& request) {
    formats::wire::InstallRequest wire;
    wire.tempDir = request.tempDir.toStdString();
    wire.hardwareId = request.hardwareId.toStdString();
    wire.infPath = request.infPath.toStdString();
    wire.infSha1 = request.infSha1.toStdString();
    wire.rollback = request.rollback;
    return wire;
}

// A value holding CR, LF or NUL could add lines of its own to the request: the package fails.
InstallResult refused(InstallResult result) {
    result.systemErrorCode = platform::invalidDataError();
    qCCritical(lcInstaller).noquote()
        << "Request refused, a value holds a line break:" << systemMessage(result.systemErrorCode);
    return result;
}

// A source is a QObject of the thread that made it; it must also end there, so the last
// reference is handed back to that thread instead of being dropped on the pool thread.
void releaseAtHome(Flow::Shared<InstallSource> source) {
    QObject* home = source.get();
    QMetaObject::invokeMethod(
        home, [held = std::move(source)] {}, Qt::QueuedConnection);
}

}  // namespace

Installer::Installer(const ArgumentMap& options, bool is64Bit, QObject* parent)
    : QObject(parent),
#ifdef Q_OS_WIN
      m_installerPath(QStringLiteral("%1/%2/Installer.exe")
#else
      m_installerPath(QStringLiteral("%1/%2/Installer")
#endif
                          .arg(QCoreApplication::applicationDirPath(),
                               is64Bit ? QStringLiteral("x64") : QStringLiteral("Win32"))),
      m_fakeInstall(options.contains(QStringLiteral("fi"))) {
    qRegisterMetaType<Qln::InstallResult>();
}

Installer::~Installer() {
    abort();
    QFuture<void> run;
    {
        QMutexLocker lock(&m_mutex);
        run = m_run;
    }
    run.waitForFinished();
}

void Installer::append(Flow::Shared<InstallSource> source) {
    if (!source) {
        return;
    }
    m_aborted = false;
    QMutexLocker lock(&m_mutex);
    m_queue.append(std::move(source));
    if (!m_running) {
        m_running = true;
        m_run = QtConcurrent::run(QThreadPool::globalInstance(), [this] { run(); });
    }
}

void Installer::abort() {
    QList<Flow::Shared<InstallSource>> dropped;
    {
        QMutexLocker lock(&m_mutex);
        dropped.swap(m_queue);
        m_aborted = true;
    }
    for (Flow::Shared<InstallSource>& source : dropped) {
        source->dropped();
        releaseAtHome(std::move(source));
    }
}

void Installer::waitForFinished() {
    for (;;) {
        QFuture<void> run;
        {
            QMutexLocker lock(&m_mutex);
            if (!m_running) {
                break;
            }
            run = m_run;
        }
        run.waitForFinished();
    }
    if (!m_aborted && m_needReboot.exchange(false)) {
        emit ShowNeedRebootMessage();
    }
}

bool Installer::isBusy() const {
    QMutexLocker lock(&m_mutex);
    return m_running;
}

QString Installer::requestText(const InstallRequest& request) {
    return QString::fromStdString(formats::wire::requestText(toWire(request)).value_or(""));
}

Installer::FakeOutcome Installer::drawFakeOutcome(QRandomGenerator& generator) {
    FakeOutcome outcome;
    if (((static_cast<quint64>(generator.generate()) * 100) >> 32) < 5) {
        outcome.failed = true;
        return outcome;
    }
    outcome.seconds = static_cast<int>((static_cast<quint64>(generator.generate()) * 3) >> 32) + 1;
    return outcome;
}

void Installer::run() {
    for (;;) {
        Flow::Shared<InstallSource> source;
        {
            QMutexLocker lock(&m_mutex);
            if (m_queue.isEmpty()) {
                // Cleared under the lock, so an append() that comes now starts a new run.
                m_running = false;
                return;
            }
            source = m_queue.takeFirst();
        }
        source->state()->postStatus(InstallState::Installation);
        const InstallRequest request = source->installRequest();
        const InstallResult result = m_fakeInstall ? fakeInstall(request) : realInstall(request);
        // Delivered even after an abort: the recovery and history files must say what the
        // Installer did to the machine.
        source->setResult(result);
        if (result.needReboot) {
            m_needReboot = true;
        }
        releaseAtHome(std::move(source));
    }
}

InstallResult Installer::realInstall(const InstallRequest& request) const {
    const QString name = QStringLiteral("Install %1").arg(request.infPath);
    qCInfo(lcInstaller).noquote() << name << "begin:";
    ScopeProfiler profiler(name);

    InstallResult result;
    result.errorCode = 1;

    const std::optional<std::string> written = formats::wire::requestText(toWire(request));
    if (!written) {
        return refused(result);
    }
    const std::string& text = *written;
    platform::InstallPipeServer pipe;
    if (!pipe.create()) {
        result.systemErrorCode = pipe.error();
        qCCritical(lcInstaller).noquote() << "Pipe not created:" << systemMessage(pipe.error());
        return result;
    }
    qCDebug(lcInstaller).noquote() << ">>" << QString::fromStdString(text);

    platform::Process process;
    if (!process.start(m_installerPath.toStdString(), {})) {
        result.systemErrorCode = process.error();
        qCCritical(lcInstaller).noquote()
            << "Installer process not created:" << systemMessage(process.error());
        return result;
    }
    qCInfo(lcInstaller) << "Installer process created";

    // An Installer that ended without connecting, or without answering, must not hold us forever.
    const auto stillRunning = [&process] { return process.isRunning(); };
    const auto fail = [&](const char* what, std::uint32_t code) {
        result.systemErrorCode = code;
        qCCritical(lcInstaller).noquote() << what << systemMessage(code);
        process.waitForExit(kProcessWaitMs);
        return result;
    };
    if (!pipe.accept(stillRunning)) {
        return fail("Installer not connected:", pipe.error());
    }
    const std::vector<unsigned char> length = formats::wire::encodeLength(text);
    const std::vector<unsigned char> bytes = formats::wire::encodeText(text);
    if (!pipe.write(length.data(), length.size()) || !pipe.write(bytes.data(), bytes.size())) {
        return fail("Write to Installer:", pipe.error());
    }
    unsigned char header[4];
    std::int32_t size = 0;
    if (!pipe.read(header, sizeof(header), stillRunning)) {
        return fail("Read size from Installer:", pipe.error());
    }
    if (!formats::wire::decodeLength(header, size)) {
        return fail("Read size from Installer:", platform::invalidDataError());
    }
    std::vector<unsigned char> reply(static_cast<size_t>(size));
    if (!pipe.read(reply.data(), reply.size(), stillRunning)) {
        return fail("Read data from Installer:", pipe.error());
    }
    std::string answer;
    if (!formats::wire::decodeText(reply, answer)) {
        return fail("Read data from Installer:", platform::invalidDataError());
    }
    qCDebug(lcInstaller).noquote() << "<<" << QString::fromStdString(answer);
    formats::wire::InstallResult parsed{result.systemErrorCode, result.errorCode,
                                        result.needReboot};
    if (!formats::wire::parseReply(answer, parsed)) {
        return fail("Reply from Installer refused:", platform::invalidDataError());
    }
    result.systemErrorCode = parsed.systemErrorCode;
    result.errorCode = parsed.errorCode;
    result.needReboot = parsed.needReboot;
    process.waitForExit(kProcessWaitMs);
    return result;
}

InstallResult Installer::fakeInstall(const InstallRequest& request) const {
    const QString name = QStringLiteral("Fake Install %1").arg(request.infPath);
    qCInfo(lcInstaller).noquote() << name << "begin:";
    ScopeProfiler profiler(name);
    InstallResult result;
    const QString text = requestText(request);
    if (text.isEmpty()) {
        result.errorCode = 1;
        return refused(result);
    }
    qCDebug(lcInstaller).noquote() << ">>" << text;

    const FakeOutcome outcome = drawFakeOutcome(*QRandomGenerator::global());
    if (outcome.failed) {
        qCCritical(lcInstaller) << "Fake Install error";
        result.errorCode = 740;
        return result;
    }
    qCInfo(lcInstaller) << "Fake Install time:" << outcome.seconds << "s";
    QThread::sleep(static_cast<unsigned long>(outcome.seconds));
    result.needReboot = true;
    return result;
}

}  // namespace Qln
