#pragma once

#include <QList>
#include <QObject>
#include <QQuickItem>
#include <QRect>
#include <QSet>
#include <QString>
#include <QWindow>
#include <functional>

#include "core/startobserver.h"
#include "core/windowcontroller.h"

namespace Qln {

class MainWindow;

// Walks every window and every finished page once and saves a picture of each
// into a folder, then ends the program: how the design is reviewed on machines
// without a screen. Started only when QUILLON_SCREENSHOTS names that folder.
class ScreenshotTour : public QObject, public StartObserver {
    Q_OBJECT

public:
    static ScreenshotTour* startFromEnvironment(WindowController* windows, QObject* parent);

    ScreenshotTour(WindowController* windows, const QString& folder, QObject* parent = nullptr);

    // The picture of the init window is taken before the run may close it.
    void whenInitDone(std::function<void()> then) override;

private:
    void onStateChanged(WindowController::State state);
    void tourMainWindow();
    void tourDriversPages(MainWindow* main);
    // Opens every dialog the main window's pages hold, then a dialog of its own
    // for every other body in the dialogs folder, and saves each as it shows.
    void tourDialogs(MainWindow* main);
    void tourOtherBodies(MainWindow* main);
    QList<QPair<int, std::function<void()>>> showDialog(MainWindow* main, QQuickItem* dialog);
    // Installs the selection for real and saves the page under way and complete.
    void tourInstall(MainWindow* main);
    void tourBackupPages(MainWindow* main);
    // After the drivers pages: what their installs left for recovery and history.
    void tourChangesPages(MainWindow* main);
    void showUpdateDownloadMidway();
    void save(QWindow* window, const QString& name);
    void save(QWindow* window, const QString& name, const QRect& area);
    // The screen around an open dialog and its host window.
    void saveDialog(QWindow* host, QQuickItem* dialog);
    void step(int delayMs, std::function<void()> action);
    // A step that holds the tour until `done` holds or the time is up.
    void waitUntil(int timeoutMs, std::function<bool()> done);
    void pollUntil(int remainingMs, const std::function<bool()>& done);
    void next();

    WindowController* m_windows;
    QString m_folder;
    bool m_mainDone = false;
    bool m_initSaved = false;
    std::function<void()> m_afterInit;
    QList<QPair<int, std::function<void()>>> m_steps;
    // The dialog bodies already pictured.
    QSet<QString> m_shownBodies;
};

}  // namespace Qln
