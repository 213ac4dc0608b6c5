#pragma once

#include <QDateTime>
#include <QDomElement>
#include <QString>

namespace platform {
class TaskSchedulerConnection;
}

namespace System::OSTask {

// When a task runs: an identifier and the boundaries, both optional.
class Trigger {
public:
    Trigger(const QString& id, const QDateTime& start, const QDateTime& end)
        : id(id), start(start), end(end) {}
    virtual ~Trigger() = default;

    // Adds the trigger to the definition being built on the connection.
    virtual bool apply(platform::TaskSchedulerConnection& connection) const = 0;
    // The trigger as the task XML writes it.
    virtual QDomElement createElement(QDomDocument& document) const = 0;

    QString id;
    QDateTime start;
    QDateTime end;

protected:
    QDomElement commonElement(QDomDocument& document, const QString& tag) const;
};

}  // namespace System::OSTask
