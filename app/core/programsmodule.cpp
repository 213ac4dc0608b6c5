#include "core/programsmodule.h"

#include <QDebug>
#include <QDir>

#include "platform/systemactions.h"

namespace Qln {

ProgramsModule::ProgramsModule(QObject* parent)
    : Module(QStringLiteral("utility"), tr("ProgramsTitle"),
             QStringLiteral("../Resources/Images/Modules/programs.svg"),
             QStringLiteral("qrc:///View/Modules/ProgramsModule.qml"), parent) {}

void ProgramsModule::launch(const QString& util, const QString& arg) {
    const QString program = QDir::toNativeSeparators(util);
    qDebug().noquote() << "Launch:" << program << arg;
    // A tool the system lacks is nothing the user must be told about.
    std::string error;
    if (!platform::openPath(program.toStdString(), arg.toStdString(), error)) {
        qDebug().noquote() << "Launch failed:" << QString::fromStdString(error);
    }
}

}  // namespace Qln
