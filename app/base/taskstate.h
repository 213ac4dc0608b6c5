#pragma once

#include <QObject>
#include <QString>

namespace Qln {

// A task's progress and message as the views see them; changed on the GUI thread only.
class TaskState : public QObject {
    Q_OBJECT
    Q_PROPERTY(float progress READ progress NOTIFY progressChanged)
    Q_PROPERTY(QString message READ message NOTIFY messageChanged)

public:
    explicit TaskState(QObject* parent = nullptr);

    float progress() const { return m_progress; }
    QString message() const { return m_message; }

signals:
    // Emitted from any thread; OnUpdate applies it on the owner's thread.
    void Update(float progress, QString msg);
    void progressChanged();
    void messageChanged();

public slots:
    void OnUpdate(float progress, QString msg);

private:
    float m_progress = 0;
    QString m_message;
};

}  // namespace Qln
