// Runs the whole update pipeline once, as QuillonPro would, for a test that kills it on the way:
//   pipelinechild SERVICE_URL APPDATA INSTALLER
// The machine is QUILLON_MACHINE's. Exit 0 when every offered update was installed.
#include <QCoreApplication>

#include "backup/recoverymanager.h"
#include "hardware/deviceselectviewmodel.h"
#include "hardware/driversupdatemodel.h"
#include "hardware/findupdatetask.h"
#include "hardware/installer.h"
#include "hardware/installupdate.h"
#include "hardware/installupdatestask.h"
#include "hardware/updateswrapper.h"
#include "net/manager.h"
#include "serviceclientsetup.h"

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    if (arguments.size() != 4) {
        return 2;
    }
    const QString appData = arguments[2];
    Net::Manager::instance()->configure(QString(), 10000, true);
    Qln::ServiceClient client(arguments[1], testPcAuth("{6c5b3f1e-0000-4000-8000-000000000043}"));
    takeServiceEndpoints(client);

    auto installer = std::make_shared<Qln::Installer>(Qln::ArgumentMap(), true);
    installer->setInstallerPath(arguments[3]);
    Qln::RecoveryManager::Folders folders{appData, appData + "/Backups", appData + "/Unpack",
                                          appData + "/Drivers"};
    auto recovery = std::make_shared<Qln::RecoveryManager>(folders, installer);

    Qln::FindUpdateTask finder(true, client.findUpdatesMethod());
    Qln::InstallUpdatesTask pipeline(folders.unpack,
                                     Flow::Shared<Net::IDownloader>(client.createDownloader()),
                                     installer, nullptr, recovery);
    QList<Flow::Shared<Qln::InstallUpdate>> updates;
    QObject::connect(&finder, &Qln::Task::finished, &app, [&](bool aborted) {
        std::unique_ptr<Qln::DriversUpdateModel> model(finder.takeResult());
        if (aborted || model->error()) {
            app.exit(3);
            return;
        }
        for (Qln::DeviceSelectViewModel* row : model->rows()) {
            auto update = std::make_shared<Qln::InstallUpdate>(row->hardware(), row->className(),
                                                               row->offers(), 0);
            update->setRecording(recovery, {});
            updates.append(update);
        }
        pipeline.start(std::make_shared<Qln::UpdatesWrapper>(updates));
    });
    QObject::connect(&pipeline, &Qln::Task::finished, &app, [&] {
        for (const auto& update : updates) {
            if (update->state()->status() != Qln::InstallState::Complete) {
                app.exit(1);
                return;
            }
        }
        app.exit(0);
    });
    finder.start();
    return app.exec();
}
