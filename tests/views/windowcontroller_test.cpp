#include <QCursor>
#include <QQuickItem>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QtTest>

#include <memory>
#include "signalwait.h"
#include "testenvironment.h"

#include "base/task.h"
#include "core/connecterrorwindow.h"
#include "core/initwindow.h"
#include "core/mainwindow.h"
#include "core/windowcontroller.h"
#include "logcapture.h"
#include "platform/activewindow.h"
#include "trackerstub.h"

using Qln::MainWindow;
using Qln::WindowController;

class WindowControllerTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void showsWindowsInTurn_data();
    void showsWindowsInTurn();
    void registersOnlyWindowsPastInitialisation();
    void retryRebuildsTheInitViewAndRunsTheTaskAgain();
    void errorWindowKeepsTheKindOfFailure();
    void viewsCloseThroughTheWindow();
    void activationBringsBackTheShownWindow();

    void resizedGeometry_data();
    void resizedGeometry();
    void resizeWindowFollowsTheCursor();
    void rebootOnlyLogsWithoutAComputer();

private:
    std::unique_ptr<WindowController> m_controller;
    std::unique_ptr<Qln::TrackerStub> m_tracker;
    std::unique_ptr<LogCapture> m_log;
};

void WindowControllerTest::initTestCase() {
    isolateUserFolders();
}

void WindowControllerTest::init() {
    m_log = std::make_unique<LogCapture>();
    m_tracker = std::make_unique<Qln::TrackerStub>();
    m_controller = std::make_unique<WindowController>();
    m_controller->setTracker(m_tracker.get());
}

void WindowControllerTest::cleanup() {
    m_controller.reset();
    m_tracker.reset();
    m_log.reset();
}

void WindowControllerTest::showsWindowsInTurn_data() {
    QTest::addColumn<QString>("steps");
    QTest::addColumn<QStringList>("expectedLog");

    QTest::newRow("init then main") << "IM"
                                    << QStringList{"Init window showed", "None window closed",
                                                   "Main window showed", "Init window closed"};
    QTest::newRow("init, error, retry, main")
        << "IERM" << QStringList{"Init window showed", "None window closed", "Error window showed",
                                 "Init window closed", "Init window showed", "Error window closed",
                                 "Main window showed", "Init window closed"};
    QTest::newRow("init, update, main")
        << "IUM" << QStringList{"Init window showed", "None window closed", "Update window showed",
                                "Init window closed", "Main window showed", "Update window closed"};
}

void WindowControllerTest::showsWindowsInTurn() {
    QFETCH(QString, steps);
    QFETCH(QStringList, expectedLog);

    QCOMPARE(m_controller->state(), WindowController::None);
    for (const QChar step : steps) {
        switch (step.toLatin1()) {
            case 'I':
                m_controller->ShowInitWindow();
                QCOMPARE(m_controller->state(), WindowController::Init);
                break;
            case 'E':
                m_controller->ShowErrorWindow(false);
                QCOMPARE(m_controller->state(), WindowController::Error);
                break;
            case 'R':
                emit m_controller->errorWindow()->retry();
                QCOMPARE(m_controller->state(), WindowController::Init);
                break;
            case 'U':
                m_controller->ShowUpdateWindow();
                QCOMPARE(m_controller->state(), WindowController::Update);
                break;
            case 'M':
                m_controller->ShowMainWindow();
                QCOMPARE(m_controller->state(), WindowController::Main);
                break;
        }
        // Exactly one window is on screen after every step.
        int visible = 0;
        for (auto state : {WindowController::Init, WindowController::Main, WindowController::Error,
                           WindowController::Update}) {
            visible += m_controller->window(state)->isVisible() ? 1 : 0;
        }
        QCOMPARE(visible, 1);
        QVERIFY(m_controller->window(m_controller->state())->isVisible());
    }
    QStringList stateLines;
    for (const QString& line : m_log->debugLines()) {
        if (line.endsWith(QLatin1String("window showed")) ||
            line.endsWith(QLatin1String("window closed"))) {
            stateLines.append(line);
        }
    }
    QCOMPARE(stateLines, expectedLog);
}

void WindowControllerTest::registersOnlyWindowsPastInitialisation() {
    platform::setActiveWindowHandle(12345);
    m_controller->ShowInitWindow();
    QCOMPARE(platform::activeWindowHandle(), 0u);
    m_controller->ShowMainWindow();
    QVERIFY(platform::activeWindowHandle() != 0u);
    QCOMPARE(platform::activeWindowHandle(), m_controller->mainWindow()->nativeHandle());
    m_controller->Exit();
    QCOMPARE(platform::activeWindowHandle(), 0u);
}

void WindowControllerTest::retryRebuildsTheInitViewAndRunsTheTaskAgain() {
    auto* task = new Qln::Task();
    QSignalSpy finished(task, &Qln::Task::finished);
    m_controller->setInitTask(task);

    m_controller->ShowInitWindow();
    QVERIFY(signalArrived(finished));
    QQuickItem* firstView = m_controller->initWindow()->rootObject();
    QVERIFY(firstView);
    firstView->setProperty("seenBefore", true);

    m_controller->ShowErrorWindow(false);
    emit m_controller->errorWindow()->retry();
    QCOMPARE(m_controller->state(), WindowController::Init);
    QVERIFY(finished.count() == 2 || finished.wait());
    QCOMPARE(finished.count(), 2);
    QQuickItem* secondView = m_controller->initWindow()->rootObject();
    QVERIFY(secondView);
    QVERIFY(!secondView->property("seenBefore").isValid());
}

void WindowControllerTest::errorWindowKeepsTheKindOfFailure() {
    m_controller->ShowErrorWindow(true);
    QVERIFY(m_controller->errorWindow()->isServerError());
    m_controller->ShowErrorWindow(false);
    QVERIFY(!m_controller->errorWindow()->isServerError());
}

void WindowControllerTest::viewsCloseThroughTheWindow() {
    m_controller->ShowErrorWindow(false);
    Qln::ConnectErrorWindow* error = m_controller->errorWindow();
    QVERIFY(error->isVisible());
    // What the view's `window.close()` reaches.
    QVERIFY(QMetaObject::invokeMethod(error, "close"));
    QVERIFY(!error->isVisible());
    QVERIFY(m_log->debugLines().contains("Window close"));
}

void WindowControllerTest::activationBringsBackTheShownWindow() {
    m_controller->ShowMainWindow();
    MainWindow* main = m_controller->mainWindow();
    main->showMinimized();
    QVERIFY(main->windowState() & Qt::WindowMinimized);

    // A handle of no window of this program changes nothing.
    m_controller->Activate(main->nativeHandle() + 1000);
    QVERIFY(main->windowState() & Qt::WindowMinimized);

    m_controller->Activate(main->nativeHandle());
    QVERIFY(!(main->windowState() & Qt::WindowMinimized));
    QVERIFY(main->isVisible());
    QVERIFY(m_log->debugLines().contains("User opened another app again"));
}

void WindowControllerTest::resizedGeometry_data() {
    QTest::addColumn<QRect>("geometry");
    QTest::addColumn<QPoint>("anchor");
    QTest::addColumn<QPoint>("cursor");
    QTest::addColumn<QString>("edges");
    QTest::addColumn<QRect>("expected");
    QTest::addColumn<QPoint>("expectedAnchor");

    const QRect start(100, 100, 1020, 700);
    QTest::newRow("left edge past the minimum keeps the right edge")
        << start << QPoint(100, 400) << QPoint(400, 400) << "l"
        << QRect(100 + 1020 - 932, 100, 932, 700) << QPoint(188, 400);
    QTest::newRow("left edge outwards grows") << start << QPoint(100, 400) << QPoint(50, 410) << "l"
                                              << QRect(50, 100, 1070, 700) << QPoint(50, 410);
    QTest::newRow("bottom edge above the minimum stops at 640")
        << start << QPoint(500, 800) << QPoint(500, 300) << "b" << QRect(100, 100, 1020, 640)
        << QPoint(500, 740);
    QTest::newRow("top edge past the minimum keeps the bottom edge")
        << start << QPoint(500, 100) << QPoint(500, 500) << "t"
        << QRect(100, 100 + 700 - 640, 1020, 640) << QPoint(500, 160);
    QTest::newRow("right bottom corner grows both ways")
        << start << QPoint(1120, 800) << QPoint(1150, 850) << "rb" << QRect(100, 100, 1050, 750)
        << QPoint(1150, 850);
    QTest::newRow("no movement changes nothing")
        << start << QPoint(300, 300) << QPoint(300, 300) << "lt" << start << QPoint(300, 300);
}

void WindowControllerTest::resizedGeometry() {
    QFETCH(QRect, geometry);
    QFETCH(QPoint, anchor);
    QFETCH(QPoint, cursor);
    QFETCH(QString, edges);
    QFETCH(QRect, expected);
    QFETCH(QPoint, expectedAnchor);

    const QRect result =
        MainWindow::resizedGeometry(geometry, anchor, cursor, edges.contains('l'),
                                    edges.contains('t'), edges.contains('r'), edges.contains('b'));
    QCOMPARE(result, expected);
    QCOMPARE(anchor, expectedAnchor);
}

void WindowControllerTest::resizeWindowFollowsTheCursor() {
    MainWindow* main = m_controller->mainWindow();
    m_controller->ShowMainWindow();
    main->setGeometry(QRect(100, 100, 1020, 700));
    const int right = main->geometry().right();

    QCursor::setPos(100, 400);
    main->startMove();
    QCursor::setPos(600, 400);
    main->resizeWindow(true, false, false, false);
    QCOMPARE(main->geometry().width(), MainWindow::kMinimumWidth);
    QCOMPARE(main->geometry().right(), right);

    // Back out beyond where the edge stopped: the window grows again from there.
    QCursor::setPos(150, 400);
    main->resizeWindow(true, false, false, false);
    QCOMPARE(main->geometry().left(), 150);
    QCOMPARE(main->geometry().right(), right);
}

void WindowControllerTest::rebootOnlyLogsWithoutAComputer() {
    m_controller->mainWindow()->reboot();
    QVERIFY(m_log->debugLines().contains("Rebooot accepted"));
    QVERIFY(m_log->warnings().isEmpty());
}

QTEST_MAIN(WindowControllerTest)
#include "windowcontroller_test.moc"
