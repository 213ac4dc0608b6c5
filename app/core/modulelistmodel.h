#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

namespace Qln {

class Module;

// The list entry of one module, which the main window's module list binds to.
class ModuleListModel : public QObject {
    Q_OBJECT
    Q_PROPERTY(QString name READ name CONSTANT)
    Q_PROPERTY(QString title READ title CONSTANT)
    Q_PROPERTY(QString icon READ icon CONSTANT)
    Q_PROPERTY(QString qmlUrl READ qmlUrl CONSTANT)
    Q_PROPERTY(QObject* viewObject READ viewObject NOTIFY viewObjectChanged)
    Q_PROPERTY(QObject* module READ module CONSTANT)

public:
    ModuleListModel(const QString& name, const QString& title, const QString& icon,
                    const QString& qmlUrl, Module* module);

    QString name() const { return m_name; }
    QString title() const { return m_title; }
    QString icon() const { return m_icon; }
    QString qmlUrl() const { return m_qmlUrl; }
    QObject* viewObject() const { return m_viewObject; }
    QObject* module() const;

    Q_INVOKABLE void select();
    Q_INVOKABLE void unselect();
    Q_INVOKABLE void setViewObject(QObject* view);

signals:
    // Also when the page is destroyed with its view.
    void viewObjectChanged();

private:
    void showView(bool show);

    QString m_name;
    QString m_title;
    QString m_icon;
    QString m_qmlUrl;
    Module* m_module;
    // The page belongs to the window's view, which may be rebuilt.
    QPointer<QObject> m_viewObject;
};

}  // namespace Qln
