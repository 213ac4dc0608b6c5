#include <QGuiApplication>
#include <QQmlApplicationEngine>
#include <QQmlContext>
#include <QQuickWindow>
#include <QTranslator>

#include "platform/comapartment.h"
#include "sarvik/devhooks.h"
#include "sarvik/handler.h"
#include "sarvik/languagechoice.h"

int main(int argc, char** argv) {
    QCoreApplication::setAttribute(Qt::AA_EnableHighDpiScaling);
    QCoreApplication::setAttribute(Qt::AA_UseHighDpiPixmaps);
    QGuiApplication app(argc, argv);
    // The scheduler's calls run on this thread.
    platform::ComApartment com;

    const QLocale locale =
        Sarvik::LanguageChoice::localeFor(QCoreApplication::arguments(), QLocale());
    QTranslator translator;
    if (translator.load(locale, QStringLiteral("Launcher"), QStringLiteral("_"),
                        QStringLiteral(":/Lang"))) {
        app.installTranslator(&translator);
    }

    QQmlApplicationEngine engine;
    Sarvik::Handler handler(QCoreApplication::applicationDirPath());
    engine.rootContext()->setContextProperty(QStringLiteral("handler"), &handler);
    engine.load(QUrl(QStringLiteral("qrc:/main.qml")));
    if (engine.rootObjects().isEmpty()) {
        return -1;
    }
    if (auto* window = qobject_cast<QQuickWindow*>(engine.rootObjects().first())) {
        Sarvik::DevHooks::apply(window);
    }
    return app.exec();
}
