import QtQuick 2.15
import QtQuick.Window 2.15
import "../Style"
import "Elements"

Rectangle {
    id: bar
    readonly property bool maximized: window.visibility === Window.Maximized
    height: 40
    color: Colors.cyan_dull_0

    function toggleMaximized() {
        if (maximized) {
            tracker.sendEvent("APP", "Click", "Normalize")
            window.showNormal()
        } else {
            tracker.sendEvent("APP", "Click", "Maximize")
            window.showMaximized()
        }
    }

    MouseArea {
        anchors.fill: parent
        onPressed: {
            if (!bar.maximized)
                window.startMove()
        }
        onPositionChanged: {
            if (pressed && !bar.maximized)
                window.moveWindow()
        }
        onDoubleClicked: bar.toggleMaximized()
    }

    HeaderLogo {
        anchors.left: parent.left
        anchors.leftMargin: 16
        anchors.verticalCenter: parent.verticalCenter
        logoSize: 22
    }

    Row {
        anchors.right: parent.right
        height: parent.height
        IconButton {
            objectName: "minimizeButton"
            width: 46
            height: parent.height
            iconSource: "../Resources/Images/Buttons/minimize.svg"
            onClicked: {
                tracker.sendEvent("APP", "Click", "Minimize")
                window.showMinimized()
            }
        }
        IconButton {
            objectName: "maximizeButton"
            width: 46
            height: parent.height
            iconSource: bar.maximized ? "../Resources/Images/Buttons/normalize.svg"
                                      : "../Resources/Images/Buttons/maximize.svg"
            iconSize: 14
            onClicked: bar.toggleMaximized()
        }
        IconButton {
            objectName: "closeButton"
            width: 46
            height: parent.height
            iconSource: "../Resources/Images/Buttons/close.svg"
            hoverColor: Colors.amarant_5
            onClicked: {
                tracker.sendEvent("APP", "Click", "Close")
                window.exit()
            }
        }
    }
}
