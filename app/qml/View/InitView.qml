import QtQuick 2.15
import Quillon 1.0
import "../Style"
import "Elements"

Item {
    id: root
    width: 480
    height: 300

    Rectangle {
        id: card
        anchors.fill: parent
        // Rounded corners only where the desktop shows the window's transparent pixels.
        radius: WindowSystem.translucentWindows ? 8 : 0
        gradient: Gradient {
            GradientStop { position: 0; color: "#2e3b3a" }
            GradientStop { position: 1; color: "#232e2d" }
        }
        border.width: 1
        border.color: Colors.steel_2
    }

    MouseArea {
        anchors.fill: parent
        onPressed: window.startMove()
        onPositionChanged: {
            if (pressed)
                window.moveWindow()
        }
    }

    Column {
        anchors.centerIn: parent
        spacing: 10
        Image {
            anchors.horizontalCenter: parent.horizontalCenter
            source: "../Resources/Images/logo.svg"
            sourceSize: Qt.size(72, 72)
        }
        Text {
            anchors.horizontalCenter: parent.horizontalCenter
            font.family: Fonts.raleway
            font.pixelSize: Fonts.hero
            color: Colors.white
            textFormat: Text.StyledText
            text: "Quillon" + "<font color=\"" + Colors.cyan_5 + "\">" + "Pro" + "</font>"
        }
        Text {
            anchors.horizontalCenter: parent.horizontalCenter
            font.family: Fonts.openSans
            font.pixelSize: Fonts.small
            color: Colors.steel_5
            text: qsTr("Version") + " " + window.version
        }
        Item { width: 1; height: 14 }
        LoadIndicator {
            anchors.horizontalCenter: parent.horizontalCenter
            width: 28
            height: 28
        }
        Text {
            anchors.horizontalCenter: parent.horizontalCenter
            width: root.width - 60
            horizontalAlignment: Text.AlignHCenter
            wrapMode: Text.WordWrap
            font.family: Fonts.openSans
            font.pixelSize: Fonts.body
            color: Colors.steel_8
            text: qsTr("AppInitializationText")
        }
    }
}
