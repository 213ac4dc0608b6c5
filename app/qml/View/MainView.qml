import QtQuick 2.15
import "../Style"
import "Elements"
import "Dialogs"

Rectangle {
    id: root
    color: Colors.white
    width: 1020
    height: 700

    function sendCommand(moduleName, command) {
        layout.sendCommand(moduleName, command)
    }
    function showModule(name) {
        return layout.showModule(name)
    }

    MainWindowBar {
        id: bar
        anchors.top: parent.top
        anchors.left: parent.left
        anchors.right: parent.right
    }

    ModulesLayout {
        id: layout
        anchors.top: bar.bottom
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.bottom: parent.bottom
    }

    WindowResizeRect {
        objectName: "resizeGrips"
        anchors.fill: parent
    }

    Dialog {
        id: needRebootDialog
        objectName: "needRebootDialog"
        aCategory: "Reboot-screen"
        layout: Component {
            SystemRebootLayout {
                onRebootNow: {
                    window.reboot()
                    needRebootDialog.close()
                }
                onRebootLater: needRebootDialog.close()
            }
        }
    }

    Connections {
        target: window
        function onShowNeedRebootDialog() {
            needRebootDialog.open()
        }
    }
}
