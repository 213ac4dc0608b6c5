// Every offer of the sample catalogue for the sample PC installed end to end against the real
// service and Installer, then every update rolled back. Prints each phase and, last:
//   pipeline: N packages installed in S s (P ms each), rolled back in T s
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <cstdio>

#include "backup/recoverymanager.h"
#include "filetree.h"
#include "hardware/deviceselectviewmodel.h"
#include "hardware/driversupdatemodel.h"
#include "hardware/findupdatetask.h"
#include "hardware/installer.h"
#include "hardware/installupdate.h"
#include "hardware/installupdatestask.h"
#include "hardware/updateswrapper.h"
#include "net/manager.h"
#include "serviceclientsetup.h"
#include "servicerunner.h"

namespace {

template <typename Done>
void waitFor(Done done) {
    while (!done()) {
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 20);
    }
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QTemporaryDir scratch;
    const QString machine = scratch.filePath("machine");
    const QString appData = scratch.filePath("appdata");
    qputenv("QUILLON_MACHINE", machine.toUtf8());
    qputenv("QUILLON_RUNTIME_DIR", scratch.filePath("runtime").toUtf8());
    qputenv("QLN_SERVICE", QLN_SERVICE_DEFAULT);
    const QString data = scratch.filePath("service");
    if (!copyTree(QLN_SAMPLE_MACHINE, machine) ||
        QProcess::execute("python3",
                          {QLN_CATALOGUE_SCRIPT, "--out", scratch.filePath("packages")}) != 0 ||
        QProcess::execute(QLN_SERVICE_DEFAULT, {"index", "--data", data, "--packages",
                                                scratch.filePath("packages")}) != 0) {
        std::printf("pipeline: the sample PC or catalogue could not be prepared\n");
        return 1;
    }
    ServiceRunner service;
    if (!service.start(data.toStdString(), {}, (data + "/service.log").toStdString())) {
        std::printf("pipeline: the service did not start\n");
        return 1;
    }
    Net::Manager::instance()->configure(QString(), 10000, true);
    Qln::ServiceClient client(QString::fromStdString(service.url()),
                              testPcAuth("{6c5b3f1e-0000-4000-8000-000000000044}"));
    takeServiceEndpoints(client);

    auto installer = std::make_shared<Qln::Installer>(Qln::ArgumentMap(), true);
    installer->setInstallerPath(QLN_INSTALLER_PATH);
    Qln::RecoveryManager::Folders folders{appData, appData + "/Backups", appData + "/Unpack",
                                          appData + "/Drivers"};
    auto recovery = std::make_shared<Qln::RecoveryManager>(folders, installer);

    QElapsedTimer clock;
    clock.start();
    Qln::FindUpdateTask finder(true, client.findUpdatesMethod());
    bool scanned = false;
    QObject::connect(&finder, &Qln::Task::finished, [&] { scanned = true; });
    finder.start();
    waitFor([&] { return scanned; });
    std::unique_ptr<Qln::DriversUpdateModel> model(finder.takeResult());
    const double scanSeconds = clock.elapsed() / 1000.0;

    QList<Flow::Shared<Qln::InstallUpdate>> updates;
    for (Qln::DeviceSelectViewModel* row : model->rows()) {
        auto update = std::make_shared<Qln::InstallUpdate>(row->hardware(), row->className(),
                                                           row->offers(), 0);
        update->setRecording(recovery, {});
        updates.append(update);
    }
    Qln::InstallUpdatesTask pipeline(folders.unpack,
                                     Flow::Shared<Net::IDownloader>(client.createDownloader()),
                                     installer, nullptr, recovery);
    bool installed = false;
    QObject::connect(&pipeline, &Qln::Task::finished, [&] { installed = true; });
    // The downloads run one after the other, so the time spent in them adds up to the part of
    // the run that the service's speed decides; the rest is ours.
    qint64 downloadMs = 0;
    for (const auto& update : updates) {
        Qln::InstallState* state = update->state();
        auto since = std::make_shared<qint64>(-1);
        QObject::connect(state, &Qln::InstallState::statusChanged,
                         [state, since, &clock, &downloadMs] {
                             if (state->status() == Qln::InstallState::Download) {
                                 *since = clock.elapsed();
                             } else if (*since >= 0) {
                                 downloadMs += clock.elapsed() - *since;
                                 *since = -1;
                             }
                         });
    }
    clock.restart();
    pipeline.start(std::make_shared<Qln::UpdatesWrapper>(updates));
    waitFor([&] { return installed; });
    QCoreApplication::processEvents();
    const double installSeconds = clock.elapsed() / 1000.0;
    int complete = 0;
    for (const auto& update : updates) {
        complete += update->state()->status() == Qln::InstallState::Complete ? 1 : 0;
    }

    clock.restart();
    const int points = recovery->recoveryPoints().size();
    for (const Flow::Shared<Qln::InstallRecovery>& point : recovery->recoveryPoints()) {
        recovery->recovery(point.get());
    }
    // A rolled-back point leaves the list; a failed one stays with the Error status.
    waitFor([&] {
        for (const Flow::Shared<Qln::InstallRecovery>& point : recovery->recoveryPoints()) {
            if (point->state()->status() != Qln::InstallState::Error && clock.elapsed() < 120000) {
                return false;
            }
        }
        return true;
    });
    const double rollbackSeconds = clock.elapsed() / 1000.0;
    const int left = recovery->recoveryPoints().size();

    std::printf("scan and search: %.2f s, %d devices offered\n", scanSeconds, updates.size());
    std::printf("install: %d of %d complete in %.2f s\n", complete, updates.size(), installSeconds);
    std::printf("download: %.2f s in all\n", downloadMs / 1000.0);
    std::printf("beyond the download: %.0f ms per package (target below 100)\n",
                complete ? (installSeconds * 1000.0 - downloadMs) / complete : 0.0);
    std::printf("rollback: %d of %d points rolled back in %.2f s\n", points - left, points,
                rollbackSeconds);
    std::printf("pipeline: %d packages installed in %.1f s (%.0f ms each), rolled back in %.1f s\n",
                complete, installSeconds, complete ? installSeconds * 1000.0 / complete : 0.0,
                rollbackSeconds);
    return 0;
}
