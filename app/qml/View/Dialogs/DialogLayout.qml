import QtQuick 2.15
import "../../Style"
import "../Elements"

// The frame every dialog body shares: an icon, a title, a message, a close
// cross and a row of buttons; the whole body drags the dialog.
Item {
    id: layout
    property var dialog: null
    property string aCategory: ""
    readonly property string aClick: "Click"
    property alias title: titleText.text
    property alias message: messageText.text
    property url iconSource
    property string closeLabel: "Close-cross"
    default property alias buttons: buttonRow.data
    signal closeClicked()

    // Wider only when a language's buttons need it.
    width: Math.max(500, buttonRow.width + 48)
    height: Math.max(220, content.implicitHeight + buttonRow.height + 72)

    MouseArea {
        property point anchor
        anchors.fill: parent
        onPressed: anchor = Qt.point(mouse.x, mouse.y)
        onPositionChanged: {
            if (pressed && layout.dialog)
                layout.dialog.moveBy(mouse.x - anchor.x, mouse.y - anchor.y)
        }
    }
    IconThinButton {
        anchors.right: parent.right
        anchors.top: parent.top
        anchors.margins: 10
        iconSource: "../../Resources/Images/Buttons/close.svg"
        onClicked: {
            tracker.sendEvent(layout.aCategory, layout.aClick, layout.closeLabel)
            layout.closeClicked()
        }
    }
    Row {
        id: content
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.top: parent.top
        anchors.margins: 28
        anchors.topMargin: 32
        spacing: 18
        Rectangle {
            width: 48
            height: 48
            radius: 24
            color: Colors.steel_9
            visible: layout.iconSource.toString() !== ""
            Image {
                anchors.centerIn: parent
                source: layout.iconSource
                sourceSize: Qt.size(26, 26)
            }
        }
        Column {
            width: parent.width - 66
            spacing: 10
            Text {
                id: titleText
                width: parent.width
                font.family: Fonts.raleway
                font.pixelSize: 20
                color: Colors.black
                wrapMode: Text.WordWrap
            }
            Text {
                id: messageText
                width: parent.width
                font.family: Fonts.openSans
                font.pixelSize: Fonts.body
                color: Colors.gray_2
                wrapMode: Text.WordWrap
            }
        }
    }
    Row {
        id: buttonRow
        anchors.right: parent.right
        anchors.bottom: parent.bottom
        anchors.margins: 24
        spacing: 12
    }
}
