#include "trackerstub.h"

#include <QDebug>

namespace Qln {

TrackerStub::TrackerStub(QObject* parent) : QObject(parent) {}

void TrackerStub::sendAppView(const QString& screen) {
    qDebug().noquote() << "Analytics view:" << screen;
    emit appViewSent(screen);
}

void TrackerStub::sendEvent(const QString& category, const QString& action, const QString& label,
                            const QVariant& value, const QVariantMap& customValues) {
    Q_UNUSED(customValues)
    qDebug().noquote() << "Analytics event:" << category << action << label
                       << (value.isValid() ? value.toString() : QString());
    emit eventSent(category, action, label);
}

}  // namespace Qln
