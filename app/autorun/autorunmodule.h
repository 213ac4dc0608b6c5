#pragma once

#include <QDateTime>
#include <QString>
#include <QTime>

#include <functional>

#include "core/module.h"

namespace Qln {

// The autorun page's object: the weekly or monthly reminder task and its time.
class AutorunModule : public Module {
    Q_OBJECT
    Q_PROPERTY(bool enabled READ enabled NOTIFY enabledChanged)
    Q_PROPERTY(bool needEnabled READ needEnabled WRITE setNeedEnabled NOTIFY needEnabledChanged)
    Q_PROPERTY(int taskType READ taskType WRITE setTaskType NOTIFY taskTypeChanged)
    Q_PROPERTY(QString newTime READ newTimeText NOTIFY newTimeChanged)
    Q_PROPERTY(QString nextDate READ nextDate NOTIFY enabledChanged)
    Q_PROPERTY(QString nextTime READ nextTime NOTIFY enabledChanged)

public:
    using Clock = std::function<QDateTime()>;

    // `clock` stands in for the current local time (tests); the default is the real one.
    explicit AutorunModule(const QString& programDir, Clock clock = {}, QObject* parent = nullptr);

    // Minutes below 30 go to the full hour, the rest to the half hour.
    static QTime halfHourOf(const QTime& time);
    // The monthly reminder a first start sets, four weeks from `now`.
    static bool makeDefaultTask(const QString& programDir,
                                const QDateTime& now = QDateTime::currentDateTime());
    // Points an existing reminder task at the reminder program in `programDir`.
    static bool repointTask(const QString& programDir);

    bool enabled() const { return m_enabled; }
    bool needEnabled() const { return m_needEnabled; }
    void setNeedEnabled(bool need);
    int taskType() const { return m_taskType; }
    void setTaskType(int type);
    QTime newTime() const { return m_newTime; }
    QString newTimeText() const { return m_newTime.toString(QStringLiteral("hh:mm")); }
    QDateTime nextRun() const { return m_nextRun; }
    QString nextDate() const;
    QString nextTime() const;

    Q_INVOKABLE void incNewTime();
    Q_INVOKABLE void decNewTime();
    Q_INVOKABLE void saveTaskState();

signals:
    void enabledChanged();
    void needEnabledChanged();
    void taskTypeChanged();
    void newTimeChanged();

private:
    QDateTime now() const { return m_clock ? m_clock() : QDateTime::currentDateTime(); }

    QString m_programDir;
    Clock m_clock;
    bool m_enabled = false;
    bool m_needEnabled = true;
    int m_taskType = 0;
    QTime m_newTime;
    QDateTime m_nextRun;
};

}  // namespace Qln
