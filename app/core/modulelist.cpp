#include "core/modulelist.h"

#include <QDebug>
#include <QQmlEngine>

#include "autorun/autorunmodule.h"
#include "core/backupmodule.h"
#include "core/historymodule.h"
#include "core/recoverymodule.h"
#include "core/aboutmodule.h"
#include "core/installdriversmodule.h"
#include "core/modulelistmodel.h"
#include "core/programsmodule.h"
#include "core/settingsmodule.h"

namespace Qln {

ModuleList::ModuleList(Flow::Shared<Configuration> configuration, const QString& applicationDir,
                       const QString& tab)
    : m_configuration(std::move(configuration)) {
    qDebug().noquote() << "StartModule:" << tab;
    append(new InstallDriversModule(m_configuration));
    append(new HistoryModule(m_configuration->recoveryManager));
    append(new RecoveryModule(m_configuration->recoveryManager));
    append(new ProgramsModule());
    append(new BackupModule(m_configuration));
    append(new AutorunModule(applicationDir));
    append(new SettingsModule(m_configuration->environment, m_configuration->analytics));
    append(new AboutModule());
    int counter = 0;
    for (const Flow::Shared<Module>& module : m_modules) {
        m_entries.append(module->entry());
        if (!tab.isEmpty() && module->entry()->name() == tab) {
            m_startModuleIndex = counter;
        }
        ++counter;
    }
}

ModuleList::~ModuleList() = default;

void ModuleList::append(Module* module) {
    // The views only borrow the modules and their entries.
    QQmlEngine::setObjectOwnership(module, QQmlEngine::CppOwnership);
    QQmlEngine::setObjectOwnership(module->entry(), QQmlEngine::CppOwnership);
    m_modules.append(Flow::Shared<Module>(module));
}

Module* ModuleList::module(const QString& name) const {
    for (const Flow::Shared<Module>& module : m_modules) {
        if (module->entry()->name() == name) {
            return module.get();
        }
    }
    return nullptr;
}

}  // namespace Qln
