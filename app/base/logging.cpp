#include "base/logging.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMutex>
#include <QMutexLocker>
#include <QStandardPaths>
#include <QTextStream>

namespace Qln {

namespace {

struct LogState {
    QMutex mutex;
    QFile file;
    QTextStream stream;
    bool debug = false;
    QtMessageHandler previous = nullptr;
    bool installed = false;
};

LogState& state() {
    static LogState instance;
    return instance;
}

void writeMessage(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    LogState& log = state();
    if (type == QtDebugMsg && !log.debug) {
        return;
    }
    const QString line = qFormatLogMessage(type, context, text);
    QMutexLocker lock(&log.mutex);
    if (log.file.isOpen() && log.stream.status() == QTextStream::Ok) {
        log.stream << line << '\n';
        log.stream.flush();
    }
}

}  // namespace

void Logging::init(const QString& path, bool debug) {
    LogState& log = state();
    {
        QMutexLocker lock(&log.mutex);
        log.debug = debug;
        qSetMessagePattern(QString::fromLatin1(kPattern));
        if (log.file.isOpen()) {
            log.file.close();
        }
        log.file.setFileName(path);
        // On a first run the application data folder does not exist yet, and that run is the
        // one most likely to fail.
        QDir().mkpath(QFileInfo(path).absolutePath());
        // QFile shares the file for reading and writing with other processes.
        if (log.file.open(QIODevice::Append | QIODevice::Text)) {
            log.stream.setDevice(&log.file);
            log.stream.setCodec("UTF-8");
            log.stream.resetStatus();
        } else {
            log.stream.setDevice(nullptr);
        }
    }
    if (!log.installed) {
        log.previous = qInstallMessageHandler(writeMessage);
        log.installed = true;
    }
}

void Logging::shutdown() {
    LogState& log = state();
    if (log.installed) {
        qInstallMessageHandler(log.previous);
        log.installed = false;
    }
    QMutexLocker lock(&log.mutex);
    log.stream.setDevice(nullptr);
    log.file.close();
}

QString Logging::defaultPath() {
    return QStringLiteral("%1/%2").arg(
        QStandardPaths::writableLocation(QStandardPaths::AppDataLocation),
        QStringLiteral("quillonpro.log"));
}

bool Logging::isOpen() {
    LogState& log = state();
    QMutexLocker lock(&log.mutex);
    return log.file.isOpen();
}

}  // namespace Qln
