#include "core/modulelist.h"

#include <QCoreApplication>
#include <QDebug>
#include <QQmlEngine>

#include "autorun/autorunmodule.h"
#include "backup/backupmodule.h"
#include "core/aboutmodule.h"
#include "core/installdriversmodule.h"
#include "core/modulelistmodel.h"
#include "core/programsmodule.h"
#include "core/settingsmodule.h"

namespace Qln {

namespace {

// Modules whose pages come later: listed with their title and icon.
struct PendingModule {
    const char* name;
    const char* context;
    const char* title;
    const char* icon;
    const char* page;
};

const PendingModule kHistory = {"history", "Qln::HistoryModule",
                                QT_TRANSLATE_NOOP("Qln::HistoryModule", "DownloadHistoryTitle"),
                                "history", "HistoryModule"};
const PendingModule kRecovery = {"recovery", "Qln::RecoveryModule",
                                 QT_TRANSLATE_NOOP("Qln::RecoveryModule", "RecoveryTitle"),
                                 "recovery", "RecoveryModule"};

Module* pending(const PendingModule& entry) {
    return new Module(
        QString::fromLatin1(entry.name), QCoreApplication::translate(entry.context, entry.title),
        QStringLiteral("../Resources/Images/Modules/%1.svg").arg(QLatin1String(entry.icon)),
        QStringLiteral("qrc:///View/Modules/%1.qml").arg(QLatin1String(entry.page)));
}

}  // namespace

ModuleList::ModuleList(Flow::Shared<Configuration> configuration, const QString& applicationDir,
                       const QString& tab)
    : m_configuration(std::move(configuration)) {
    qDebug().noquote() << "StartModule:" << tab;
    append(new InstallDriversModule(m_configuration));
    append(pending(kHistory));
    append(pending(kRecovery));
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
