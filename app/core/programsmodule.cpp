#include "core/programsmodule.h"

#include <QDebug>
#include <QDir>

#include "hardware/systemactions.h"

namespace Qln {

ProgramsModule::ProgramsModule(QObject* parent)
    : Module(QStringLiteral("utility"), tr("ProgramsTitle"),
             QStringLiteral("../Resources/Images/Modules/programs.svg"),
             QStringLiteral("qrc:///View/Modules/ProgramsModule.qml"), parent) {}

void ProgramsModule::launch(const QString& util, const QString& arg) {
    const QString program = QDir::toNativeSeparators(util);
    qDebug().noquote() << "Launch:" << program << arg;
    // A tool the system lacks is nothing the user must be told about; the log has it.
    System::openPath(program, arg);
}

}  // namespace Qln
