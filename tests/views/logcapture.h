#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QtGlobal>

// Collects what the program logs while it lives, for tests that check log
// lines or the absence of warnings.
class LogCapture {
public:
    LogCapture();
    ~LogCapture();

    QStringList debugLines() const;
    QStringList warnings() const;
    void clear();

private:
    static void handler(QtMsgType type, const QMessageLogContext& context, const QString& message);

    QtMessageHandler m_previous;
};
