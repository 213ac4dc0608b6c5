#include <QQmlContext>
#include <QQmlEngine>
#include <QtQuickTest>

#include "core/windowsystem.h"
#include "trackerstub.h"

// What the main window's context gives the views, for the QML test cases.
class ViewContext : public QObject {
    Q_OBJECT

public slots:
    void qmlEngineAvailable(QQmlEngine* engine) {
        Qln::WindowSystem::registerForViews();
        auto* tracker = new Qln::TrackerStub(engine);
        QQmlContext* context = engine->rootContext();
        context->setContextProperty("tracker", tracker);
        context->setContextProperty("publicUrls",
                                    QVariantMap{{"contacts", "https://example.invalid/contacts"}});
        context->setContextProperty("dbUpdatedAt", QString());
        context->setContextProperty("isAvailableServer", true);
    }
};

QUICK_TEST_MAIN_WITH_SETUP(qml_views, ViewContext)

#include "qml_views_test.moc"
