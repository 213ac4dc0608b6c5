#include "core/module.h"

#include <QDebug>

#include "core/modulelistmodel.h"

namespace Qln {

Module::Module(const QString& name, const QString& title, const QString& icon,
               const QString& qmlUrl, QObject* parent)
    : QObject(parent), m_entry(new ModuleListModel(name, title, icon, qmlUrl, this)) {}

Module::~Module() = default;

void Module::setSelected(bool selected) {
    if (selected) {
        select();
    } else {
        unselect();
    }
}

void Module::select() {
    m_selected = true;
    emit selectedChanged();
    qDebug().noquote() << "Select module" << m_entry->name();
    onSelected();
}

void Module::unselect() {
    m_selected = false;
    emit selectedChanged();
    onUnselected();
}

void Module::onSelected() {}

void Module::onUnselected() {}

}  // namespace Qln
