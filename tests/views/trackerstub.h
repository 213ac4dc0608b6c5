#pragma once

#include <QObject>
#include <QString>
#include <QVariant>

namespace Qln {

// Takes the analytics object's place in the views' context and tells the test
// what they reported.
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
