#pragma once

#include <QList>
#include <QObject>
#include <QString>

#include "base/shared.h"
#include "core/configuration.h"
#include "core/module.h"

namespace Qln {

// The main window's modules in their fixed order, and the one to start with.
class ModuleList {
public:
    ModuleList(Flow::Shared<Configuration> configuration, const QString& applicationDir,
               const QString& tab);
    ~ModuleList();
    ModuleList(const ModuleList&) = delete;
    ModuleList& operator=(const ModuleList&) = delete;

    QList<QObject*> modules() const { return m_entries; }
    int startModuleIndex() const { return m_startModuleIndex; }
    Flow::Shared<Configuration> configuration() const { return m_configuration; }
    Module* module(const QString& name) const;

private:
    void append(Module* module);

    Flow::Shared<Configuration> m_configuration;
    QList<Flow::Shared<Module>> m_modules;
    QList<QObject*> m_entries;
    int m_startModuleIndex = 0;
};

}  // namespace Qln
