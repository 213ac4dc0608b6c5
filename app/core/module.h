#pragma once

#include <QObject>
#include <QString>

namespace Qln {

class ModuleListModel;

// One module of the main window: the object its page talks to.
class Module : public QObject {
    Q_OBJECT
    Q_PROPERTY(bool selected READ isSelected WRITE setSelected NOTIFY selectedChanged)

public:
    Module(const QString& name, const QString& title, const QString& icon, const QString& qmlUrl,
           QObject* parent = nullptr);
    ~Module() override;

    ModuleListModel* entry() const { return m_entry; }
    bool isSelected() const { return m_selected; }
    void setSelected(bool selected);

    void select();
    void unselect();

signals:
    void selectedChanged();

protected:
    virtual void onSelected();
    virtual void onUnselected();

private:
    ModuleListModel* m_entry;
    bool m_selected = false;
};

}  // namespace Qln
