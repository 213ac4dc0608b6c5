import QtQuick 2.15
import QtQuick.Controls 2.15
import "../../Style"

// A folder or file path: typed in, or chosen with the button beside it.
Item {
    id: selector
    property alias text: field.text
    property bool valid: true
    property string buttonText: ""
    signal edited(string path)
    signal browse()

    implicitHeight: 40
    implicitWidth: 480

    TextField {
        id: field
        anchors.left: parent.left
        anchors.right: button.left
        anchors.rightMargin: 8
        height: parent.height
        font.family: Fonts.openSans
        font.pixelSize: Fonts.body
        color: selector.valid ? Colors.black : Colors.red_4
        selectByMouse: true
        leftPadding: 12
        onTextEdited: selector.edited(text)
        // A path set from outside shows from its start, where it says the most.
        onTextChanged: {
            if (!activeFocus)
                cursorPosition = 0
        }
        background: Rectangle {
            radius: 3
            color: Colors.white
            border.width: 1
            border.color: !selector.valid ? Colors.red_5 : field.activeFocus ? Colors.cyan_4 : Colors.gray_6
        }
    }
    SecondButton {
        id: button
        anchors.right: parent.right
        height: parent.height
        implicitWidth: Math.max(110, contentItem.implicitWidth + 32)
        text: selector.buttonText
        onClicked: selector.browse()
    }
}
