import QtQuick 2.15
import QtQuick.Controls 2.15
import "../../Style"

// A read-only text field whose text can be copied from a context menu.
TextField {
    id: field
    readOnly: true
    selectByMouse: true
    font.family: Fonts.openSans
    font.pixelSize: Fonts.body
    color: Colors.black
    background: Rectangle {
        radius: 3
        color: Colors.gray_9
        border.width: 1
        border.color: Colors.gray_7
    }
    MouseArea {
        anchors.fill: parent
        acceptedButtons: Qt.RightButton
        onClicked: menu.popup()
    }
    Menu {
        id: menu
        MenuItem {
            text: qsTr("CopyMenuItem")
            font.family: Fonts.openSans
            onTriggered: {
                field.selectAll()
                field.copy()
                field.deselect()
            }
        }
    }
}
