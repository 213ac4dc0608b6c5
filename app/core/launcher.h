#pragma once

#include <QObject>
#include <QString>

#include <memory>

#include "argumentmap.h"
#include "configuration.h"

namespace Qln {

class ModuleList;
class WindowController;

// Builds the shared services and drives start-up from the first window to the main one.
class Launcher : public QObject {
    Q_OBJECT

public:
    Launcher(const ArgumentMap* arguments, const QString& applicationDir,
             QObject* parent = nullptr);
    ~Launcher() override;

    void setWindowController(WindowController* windows) { m_windows = windows; }
    void start();
    // Builds the modules and shows the main window: the end of start-up.
    void finish();

    Flow::Shared<Configuration> configuration() const { return m_configuration; }
    QString applicationDir() const { return m_applicationDir; }
    ModuleList* moduleList() const { return m_moduleList.get(); }

private:
    Flow::Shared<Configuration> m_configuration;
    const ArgumentMap* m_arguments;
    QString m_applicationDir;
    WindowController* m_windows = nullptr;
    std::unique_ptr<ModuleList> m_moduleList;
};

}  // namespace Qln
