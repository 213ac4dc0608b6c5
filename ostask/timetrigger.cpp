#include "ostask/timetrigger.h"

#include "ostask/taskscheduler.h"
#include "platform/taskscheduler.h"

namespace System::OSTask {

QString Duration::toString() const {
    const auto part = [](int count, QChar letter) {
        return count != 0 ? QString::number(count) + letter : QString();
    };
    QString text = part(years, 'Y') + part(months, 'M') + part(days, 'D');
    if (hours != 0 || minutes != 0 || seconds != 0) {
        text += QLatin1Char('T') + part(hours, 'H') + part(minutes, 'M') + part(seconds, 'S');
    }
    return text.isEmpty() ? QString() : QLatin1Char('P') + text;
}

bool TimeTrigger::apply(platform::TaskSchedulerConnection& connection) const {
    return connection.addTimeTrigger(id.toStdString(), optionalText(start), optionalText(end),
                                     randomDelay.toString().toStdString());
}

QDomElement TimeTrigger::createElement(QDomDocument& document) const {
    QDomElement element = commonElement(document, QStringLiteral("TimeTrigger"));
    const QString delay = randomDelay.toString();
    if (!delay.isEmpty()) {
        QDomElement child = document.createElement(QStringLiteral("RandomDelay"));
        child.appendChild(document.createTextNode(delay));
        element.appendChild(child);
    }
    return element;
}

}  // namespace System::OSTask
