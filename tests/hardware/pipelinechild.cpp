// Runs the whole update pipeline once, as QuillonPro would, for a test that kills it on the way:
//   pipelinechild SERVICE_URL APPDATA INSTALLER
// The machine is QUILLON_MACHINE's. Exit 0 when every offered update was installed.
#include <QCoreApplication>
#include <QtConcurrent>

#include "backup/recoverymanager.h"
#include "hardware/deviceselectviewmodel.h"
#include "hardware/driversupdatemodel.h"
#include "hardware/findupdatetask.h"
#include "hardware/installer.h"
#include "hardware/installupdate.h"
#include "hardware/installupdatestask.h"
#include "hardware/updateswrapper.h"
#include "net/manager.h"
#include "net/serviceclient.h"
#include "net/settingsdata.h"

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    if (arguments.size() != 4) {
        return 2;
    }
    const QString appData = arguments[2];
    Net::Manager::instance()->configure(QString(), 10000, true);
    auto auth = std::make_shared<Qln::AuthData>();
    auth->version = "1.2.0.2134";
    auth->os = "10.0";
    auth->is64 = true;
    auth->appid = "{6c5b3f1e-0000-4000-8000-000000000043}";
    auth->hwid = "a7fd2405fcc8a90a6c52f76e91d898b0";
    Qln::ServiceClient client(arguments[1], auth);
    auto settings = std::make_shared<Qln::SettingsData>();
    auto fetched = QtConcurrent::run([&client, settings] {
        return client.settingsMethod().exec({}, settings, {}, {{"ppg", QString()}}).status;
    });
    while (!fetched.isFinished()) {
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    }
    client.setEndpoints(settings->endpoints);

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
