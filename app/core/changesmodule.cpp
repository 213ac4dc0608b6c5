#include "core/changesmodule.h"

#include <QQmlEngine>

namespace Qln {

namespace {

QString upperFirst(QString text) {
    if (!text.isEmpty()) {
        text[0] = text[0].toUpper();
    }
    return text;
}

}  // namespace

ChangesModule::ChangesModule(const QString& name, const QString& title,
                             Flow::Shared<RecoveryManager> manager, QObject* parent)
    : Module(name, title, QStringLiteral("../Resources/Images/Modules/%1.svg").arg(name),
             QStringLiteral("qrc:///View/Modules/%1Module.qml").arg(upperFirst(name)), parent),
      m_manager(std::move(manager)) {
    // The views only borrow it.
    if (m_manager) {
        QQmlEngine::setObjectOwnership(m_manager.get(), QQmlEngine::CppOwnership);
    }
}

}  // namespace Qln
