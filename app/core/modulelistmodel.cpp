#include "core/modulelistmodel.h"

#include <QVariant>

#include "core/module.h"

namespace Qln {

ModuleListModel::ModuleListModel(const QString& name, const QString& title, const QString& icon,
                                 const QString& qmlUrl, Module* module)
    : QObject(module),
      m_name(name),
      m_title(title),
      m_icon(icon),
      m_qmlUrl(qmlUrl),
      m_module(module) {}

QObject* ModuleListModel::module() const {
    return m_module;
}

void ModuleListModel::select() {
    m_module->select();
    showView(true);
}

void ModuleListModel::unselect() {
    m_module->unselect();
    showView(false);
}

void ModuleListModel::setViewObject(QObject* view) {
    if (m_viewObject == view) {
        return;
    }
    if (m_viewObject) {
        disconnect(m_viewObject, &QObject::destroyed, this, &ModuleListModel::viewObjectChanged);
    }
    m_viewObject = view;
    if (view) {
        connect(view, &QObject::destroyed, this, &ModuleListModel::viewObjectChanged);
    }
    emit viewObjectChanged();
}

void ModuleListModel::showView(bool show) {
    if (m_viewObject) {
        m_viewObject->setProperty("show", show);
    }
}

}  // namespace Qln
