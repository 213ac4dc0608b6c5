#include "core/connecterrorwindow.h"

namespace Qln {

ConnectErrorWindow::ConnectErrorWindow(QWindow* parent)
    : Window(QStringLiteral("qrc:///View/ConnectErrorView.qml"), parent) {}

}  // namespace Qln
