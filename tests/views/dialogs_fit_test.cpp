#include <QDir>
#include <QQmlComponent>
#include <QQmlContext>
#include <QQmlEngine>
#include <QQuickItem>
#include <QQuickView>
#include <QQuickWindow>
#include <QSignalSpy>
#include <QTranslator>
#include <QtTest>

#include <memory>

#include "core/windowsystem.h"
#include "trackerstub.h"

// Opens every dialog body of the views in every language the program ships, in
// the dialog window a user gets, and fails when any text or button is not
// wholly on the dialog's visible panel. A dialog joins by its body file alone:
// every *Layout.qml of View/Dialogs but the shared DialogLayout.qml.
class DialogsFitTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void everyDialogShowsAllItsText_data();
    void everyDialogShowsAllItsText();

private:
    static QStringList problems(QQuickWindow* frame, QQuickItem* panel);

    std::unique_ptr<QQuickView> m_host;
    Qln::TrackerStub m_tracker;
};

void DialogsFitTest::initTestCase() {
    Qln::WindowSystem::registerForViews();
    m_host = std::make_unique<QQuickView>();
    m_host->rootContext()->setContextProperty("tracker", &m_tracker);
    m_host->rootContext()->setContextProperty(
        "publicUrls", QVariantMap{{"non-whql", "https://example.invalid/non-whql"}});
    m_host->setSource(
        QUrl("data:text/plain,import QtQuick 2.15; Item { width: 640; height: 480 }"));
    m_host->setPosition(40, 30);
    m_host->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_host.get()));
}

void DialogsFitTest::everyDialogShowsAllItsText_data() {
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("body");
    QStringList bodies = QDir(":/View/Dialogs").entryList({"*Layout.qml"}, QDir::Files);
    bodies.removeOne("DialogLayout.qml");
    QVERIFY(!bodies.isEmpty());
    const QStringList translations = QDir(":/Lang").entryList({"QuillonPro_*.qm"}, QDir::Files);
    QVERIFY(!translations.isEmpty());
    for (QString language : translations) {
        language = language.mid(11).chopped(3);
        for (const QString& body : bodies) {
            QTest::addRow("%s %s", qPrintable(language), qPrintable(body.chopped(4)))
                << language << body.chopped(4);
        }
    }
}

void DialogsFitTest::everyDialogShowsAllItsText() {
    QFETCH(QString, language);
    QFETCH(QString, body);
    QTranslator translator;
    QVERIFY(translator.load(":/Lang/QuillonPro_" + language + ".qm"));
    QCoreApplication::installTranslator(&translator);
    const auto removeTranslator =
        qScopeGuard([&] { QCoreApplication::removeTranslator(&translator); });

    QQmlComponent component(m_host->engine());
    component.setData(
        "import QtQuick 2.15\nimport \"qrc:/View/Dialogs\"\nDialog { layout: Component { " +
            body.toUtf8() + " {} } }",
        QUrl("qrc:/View/Dialogs/FitTest.qml"));
    QVERIFY2(component.isReady(), qPrintable(component.errorString()));
    std::unique_ptr<QQuickItem> dialog(qobject_cast<QQuickItem*>(component.create()));
    QVERIFY(dialog);
    dialog->setParentItem(m_host->contentItem());

    QMetaObject::invokeMethod(dialog.get(), "open");
    auto* frame = qobject_cast<QQuickWindow*>(dialog->property("item").value<QObject*>());
    QVERIFY(frame);
    QVERIFY(QTest::qWaitForWindowExposed(frame));
    // Positioners and text lay out while a frame is polished, and the window
    // answers with a new size: two frames settle both.
    for (int i = 0; i < 2; ++i) {
        QSignalSpy swapped(frame, &QQuickWindow::frameSwapped);
        frame->update();
        QVERIFY(swapped.wait());
    }
    auto* panel = frame->findChild<QQuickItem*>("dialogPanel");
    QVERIFY(panel);
    const QStringList found = problems(frame, panel);
    QVERIFY2(found.isEmpty(),
             qPrintable(QStringLiteral("%1 in %2:\n  ").arg(body, language) + found.join("\n  ")));

    const QPointF hostCentre = QRectF(m_host->geometry()).center();
    const QPointF centre = QRectF(frame->geometry()).center();
    QVERIFY2((centre - hostCentre).manhattanLength() <= 1,
             qPrintable(QStringLiteral("%1 in %2 is not centred on its host: %3, %4 against %5, %6")
                            .arg(body, language)
                            .arg(centre.x())
                            .arg(centre.y())
                            .arg(hostCentre.x())
                            .arg(hostCentre.y())));
    QMetaObject::invokeMethod(dialog.get(), "close");
}

QStringList DialogsFitTest::problems(QQuickWindow* frame, QQuickItem* panel) {
    const QRectF window(QPointF(0, 0), frame->size());
    const QRectF visible = panel->mapRectToScene(panel->boundingRect()).intersected(window);
    QStringList found;
    QList<QQuickItem*> items = frame->contentItem()->childItems();
    while (!items.isEmpty()) {
        QQuickItem* item = items.takeFirst();
        if (!item->isVisible()) {
            continue;
        }
        items += item->childItems();
        const bool isButton = item->inherits("QQuickAbstractButton");
        const bool isText =
            item->inherits("QQuickText") && !item->property("text").toString().isEmpty();
        if (!isButton && !isText) {
            continue;
        }
        const QString what =
            QStringLiteral("%1 \"%2\"")
                .arg(isButton ? "button" : "text", item->property("text").toString().left(40));
        const QRectF area = item->mapRectToScene(item->boundingRect());
        // Half a pixel: text metrics are fractional.
        if (!visible.adjusted(-0.5, -0.5, 0.5, 0.5).contains(area)) {
            QString where;
            QDebug(&where) << area << "outside" << visible;
            found << what + " lies outside the dialog's window: " + where;
        }
        if (isText && item->property("truncated").toBool()) {
            found << what + " is cut short";
        }
    }
    return found;
}

QTEST_MAIN(DialogsFitTest)
#include "dialogs_fit_test.moc"
