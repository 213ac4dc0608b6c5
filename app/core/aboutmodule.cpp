#include "core/aboutmodule.h"

#include <QVersionNumber>

#include "core/application.h"

namespace Qln {

AboutModule::AboutModule(QObject* parent)
    : Module(QStringLiteral("about"), tr("AboutTitle"),
             QStringLiteral("../Resources/Images/Modules/about.svg"),
             QStringLiteral("qrc:///View/Modules/AboutModule.qml"), parent) {}

QString AboutModule::version() const {
    return QVersionNumber::fromString(QString::fromLatin1(Application::kVersion)).toString();
}

}  // namespace Qln
