#pragma once

#include <QObject>
#include <QString>
#include <QVariant>

namespace Qln {

// Stands in for the analytics client until it is part of the program: the
// views and modules report screens and events to it, and it only logs them.
class TrackerStub : public QObject {
    Q_OBJECT

public:
    explicit TrackerStub(QObject* parent = nullptr);

    Q_INVOKABLE void sendAppView(const QString& screen);
    Q_INVOKABLE void sendEvent(const QString& category, const QString& action,
                               const QString& label = QString(), const QVariant& value = QVariant(),
                               const QVariantMap& customValues = QVariantMap());

signals:
    void appViewSent(const QString& screen);
    void eventSent(const QString& category, const QString& action, const QString& label);
};

}  // namespace Qln
