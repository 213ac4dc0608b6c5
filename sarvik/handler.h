#pragma once

#include <QObject>
#include <QString>

namespace Sarvik {

// What the reminder window's buttons do (QML context property "handler").
class Handler : public QObject {
    Q_OBJECT

public:
    // `programDir`: where this program and the main program live.
    explicit Handler(const QString& programDir, QObject* parent = nullptr);

    Q_INVOKABLE void launchApp();
    Q_INVOKABLE void launchAutorunTab();
    // Reminds again in a day: one one-time trigger beside the periodic one.
    Q_INVOKABLE void moveToTomorrow();

private:
    void openMainProgram(const QString& parameters);

    QString m_programDir;
};

}  // namespace Sarvik
