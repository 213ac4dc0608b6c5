import QtQuick 2.15
import "../../Style"

// A line of a feature list, led by a short accent dash.
Item {
    id: line
    property alias text: label.text
    property color textColor: Colors.black
    implicitHeight: Math.max(label.implicitHeight, 20)
    implicitWidth: 400
    Rectangle {
        id: dash
        width: 12
        height: 2
        radius: 1
        color: Colors.cyan_4
        anchors.left: parent.left
        y: 10
    }
    Text {
        id: label
        anchors.left: dash.right
        anchors.leftMargin: 12
        anchors.right: parent.right
        font.family: Fonts.openSans
        font.pixelSize: Fonts.body
        color: line.textColor
        wrapMode: Text.WordWrap
    }
}
