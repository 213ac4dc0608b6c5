import QtQuick 2.15
import "../../../Style"
import "../../Elements"

// The running installation. Its list and completion come with the install task.
Item {
    id: install
    property string aCategory: ""
    property QtObject module: null
    signal cancelRequested()

    Row {
        anchors.top: parent.top
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.margins: 24
        spacing: 20
        Text {
            width: parent.width - cancel.width - parent.spacing
            anchors.verticalCenter: cancel.verticalCenter
            font.family: Fonts.raleway
            font.pixelSize: Fonts.title
            color: Colors.black
            elide: Text.ElideRight
            text: qsTr("InstallDriversHeader") + " " + (install.module ? install.module.installList.length : 0)
        }
        CancelButton {
            id: cancel
            aCategory: install.aCategory
            aLabel: "Cancel-button"
            onClicked: install.cancelRequested()
        }
    }
}
