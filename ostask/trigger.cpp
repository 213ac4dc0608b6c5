#include "ostask/trigger.h"

#include "ostask/taskscheduler.h"

namespace System::OSTask {

QDomElement Trigger::commonElement(QDomDocument& document, const QString& tag) const {
    QDomElement element = document.createElement(tag);
    if (!id.isEmpty()) {
        element.setAttribute(QStringLiteral("id"), id);
    }
    const auto boundary = [&](const QString& name, const QDateTime& value) {
        if (value.isValid()) {
            QDomElement child = document.createElement(name);
            child.appendChild(document.createTextNode(dateTimeText(value)));
            element.appendChild(child);
        }
    };
    boundary(QStringLiteral("StartBoundary"), start);
    boundary(QStringLiteral("EndBoundary"), end);
    return element;
}

}  // namespace System::OSTask
