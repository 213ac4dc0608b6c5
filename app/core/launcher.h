#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <QVersionNumber>

#include <memory>

#include "base/argumentmap.h"
#include "core/configuration.h"
#include "core/initdata.h"
#include "core/startobserver.h"

namespace Qln {

class ModuleList;
class WindowController;

// Builds the shared services and drives start-up from the first window to the main one.
class Launcher : public QObject {
    Q_OBJECT

public:
    // What a version change asks for, besides storing the new version.
    struct MigrationSteps {
        bool firstRun = false;         // the "FirstRun" event
        bool makeDefaultTask = false;  // the reminder task of a fresh or very old install
        bool repointTask = false;      // a reminder task that still names the old program
        bool migrateLegacy = false;    // recovery and history records of the old format
    };

    // What start-up found out, which decides the first window (or the console's exit).
    struct StartFacts {
        bool authorised = false;
        bool serverError = false;  // the service answered with an error code
        bool failed = true;        // no token, or no settings
        Flow::Shared<SettingsData> settings;
    };

    Launcher(const ArgumentMap* arguments, const QString& applicationDir,
             QObject* parent = nullptr);
    ~Launcher() override;

    // The service start-up talks to unless `-host` names another.
    static QString builtInServiceUrl();
    // The service of this run: `-host`, else the built-in one.
    static QString serviceUrl(const ArgumentMap& arguments);
    // The network set up for the options, the settings and the analytics, before start-up.
    static Flow::Shared<Configuration> makeConfiguration(const ArgumentMap& arguments);
    // Takes over what start-up found and makes the services the jobs share (the Installer
    // client, the recovery manager); starts the analytics session.
    static StartFacts adopt(Configuration& configuration, const ArgumentMap& arguments,
                            InitData& data);
    // What must be done before another copy of the program may start.
    static void shutDown(Configuration& configuration);
    static MigrationSteps migrationSteps(const QVersionNumber& stored,
                                         const QVersionNumber& current);

    void setWindowController(WindowController* windows);
    void setStartObserverFactory(StartObserverFactory factory) {
        m_observerFactory = std::move(factory);
    }
    // Brings the stored settings up to this version; returns what it chose to do.
    MigrationSteps migrate();
    void start();
    // Ends the analytics session, sends what is queued and writes the settings out:
    // what must be done before another copy of the program may start.
    void shutDown();

    Flow::Shared<Configuration> configuration() const { return m_configuration; }
    QString applicationDir() const { return m_applicationDir; }
    ModuleList* moduleList() const { return m_moduleList.get(); }

public slots:
    void initializeFinished(Flow::Shared<Qln::InitData> data);

private:
    void finish(const Flow::Shared<InitData>& data);

    Flow::Shared<Configuration> m_configuration;
    const ArgumentMap* m_arguments;
    QString m_applicationDir;
    QPointer<WindowController> m_windows;
    std::unique_ptr<ModuleList> m_moduleList;
    StartObserverFactory m_observerFactory;
    StartObserver* m_observer = nullptr;
    bool m_shutDown = false;
};

}  // namespace Qln
