import QtQuick 2.15
import QtGraphicalEffects 1.15
import "../Style"

Item {
    id: header
    property var model: null
    property int listWidth: 280
    height: 64

    Rectangle {
        id: leftBlock
        anchors.left: parent.left
        anchors.top: parent.top
        anchors.bottom: parent.bottom
        width: header.listWidth
        color: Colors.cyan_dull_1
        Rectangle {
            anchors.left: parent.left
            anchors.right: parent.right
            anchors.bottom: parent.bottom
            height: 1
            color: Colors.cyan_dull_0
        }
        Item {
            id: iconBox
            anchors.left: parent.left
            anchors.leftMargin: 24
            anchors.verticalCenter: parent.verticalCenter
            width: 28
            height: 28
            Image {
                id: icon
                anchors.fill: parent
                source: header.model ? header.model.icon : ""
                sourceSize: Qt.size(28, 28)
                visible: false
            }
            ColorOverlay {
                anchors.fill: icon
                source: icon
                color: Colors.cyan_5
                visible: header.model !== null
            }
        }
    }

    Rectangle {
        anchors.left: leftBlock.right
        anchors.right: parent.right
        anchors.top: parent.top
        anchors.bottom: parent.bottom
        color: Colors.white
        Text {
            anchors.left: parent.left
            anchors.leftMargin: 32
            anchors.right: parent.right
            anchors.rightMargin: 32
            anchors.verticalCenter: parent.verticalCenter
            font.family: Fonts.raleway
            font.pixelSize: Fonts.title
            color: Colors.black
            elide: Text.ElideRight
            text: header.model ? header.model.title : ""
        }
        Rectangle {
            anchors.left: parent.left
            anchors.right: parent.right
            anchors.bottom: parent.bottom
            height: 1
            color: Colors.gray_8
        }
    }
}
