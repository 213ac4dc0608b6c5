#include "logcapture.h"

#include <QMutex>
#include <QMutexLocker>
#include <cstdio>

namespace {

struct Line {
    QtMsgType type;
    QString text;
};

QMutex g_mutex;
QList<Line> g_lines;
bool g_echo = false;

}  // namespace

LogCapture::LogCapture() {
    clear();
    m_previous = qInstallMessageHandler(&LogCapture::handler);
    // To see what a hanging test was doing, its log can also go where it went before.
    g_echo = qEnvironmentVariableIsSet("QLN_TEST_LOG_ECHO");
}

LogCapture::~LogCapture() {
    qInstallMessageHandler(m_previous);
}

void LogCapture::handler(QtMsgType type, const QMessageLogContext& context,
                         const QString& message) {
    if (g_echo) {
        fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, message)));
    }
    QMutexLocker lock(&g_mutex);
    g_lines.append({type, message});
}

QStringList LogCapture::debugLines() const {
    QMutexLocker lock(&g_mutex);
    QStringList lines;
    for (const Line& line : g_lines) {
        if (line.type == QtDebugMsg) {
            lines.append(line.text);
        }
    }
    return lines;
}

QStringList LogCapture::warnings() const {
    QMutexLocker lock(&g_mutex);
    QStringList lines;
    for (const Line& line : g_lines) {
        if (line.type == QtWarningMsg || line.type == QtCriticalMsg || line.type == QtFatalMsg) {
            lines.append(line.text);
        }
    }
    return lines;
}

void LogCapture::clear() {
    QMutexLocker lock(&g_mutex);
    g_lines.clear();
}
