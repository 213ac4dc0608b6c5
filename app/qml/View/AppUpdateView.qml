import QtQuick 2.15
import QtQuick.Controls 2.15
import "../Style"
import "Elements"

Rectangle {
    id: root
    readonly property string aCategory: "Update"
    readonly property string aClick: "Click"
    property bool downloading: false
    // A failed or refused download returns to the question, which then says so.
    property bool failed: false

    width: 540
    height: 320
    color: Colors.white
    border.width: 1
    border.color: Colors.steel_2

    Component.onCompleted: tracker.sendAppView(aCategory)

    Connections {
        target: task
        ignoreUnknownSignals: true
        function onDownloadError() {
            root.downloading = false
            root.failed = true
        }
    }

    Rectangle {
        id: header
        anchors.left: parent.left
        anchors.right: parent.right
        height: 48
        color: Colors.cyan_dull_0
        MouseArea {
            anchors.fill: parent
            onPressed: window.startMove()
            onPositionChanged: {
                if (pressed)
                    window.moveWindow()
            }
        }
        HeaderLogo {
            anchors.left: parent.left
            anchors.leftMargin: 16
            anchors.verticalCenter: parent.verticalCenter
        }
        IconButton {
            objectName: "closeButton"
            anchors.right: parent.right
            height: parent.height
            width: 48
            iconSource: "../Resources/Images/Buttons/close.svg"
            hoverColor: Colors.amarant_5
            onClicked: {
                if (root.downloading) {
                    tracker.sendEvent(root.aCategory, root.aClick, "Cross-button-downloading")
                    window.updateAbort()
                } else {
                    tracker.sendEvent(root.aCategory, root.aClick, "Cross-button")
                }
                window.closeWindow()
            }
        }
    }

    Column {
        id: question
        visible: !root.downloading
        anchors.top: header.bottom
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.margins: 28
        spacing: 12
        Text {
            width: parent.width
            font.family: Fonts.raleway
            font.pixelSize: Fonts.title
            color: Colors.black
            wrapMode: Text.WordWrap
            text: qsTr("AppUpdateHeader")
        }
        Text {
            width: parent.width
            font.family: Fonts.openSans
            font.pixelSize: Fonts.body
            color: Colors.gray_2
            wrapMode: Text.WordWrap
            text: qsTr("AppUpdateDescription")
        }
        Text {
            objectName: "updateError"
            visible: root.failed
            width: parent.width
            font.family: Fonts.openSans
            font.pixelSize: Fonts.body
            color: Colors.amarant_5
            wrapMode: Text.WordWrap
            text: qsTr("AppUpdateError")
        }
        Text {
            width: parent.width
            font.family: Fonts.openSans
            font.pixelSize: Fonts.body
            color: Colors.black
            wrapMode: Text.WordWrap
            text: qsTr("AppUpdateQuestion")
        }
    }

    Column {
        id: download
        visible: root.downloading
        anchors.top: header.bottom
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.margins: 28
        spacing: 14
        Text {
            width: parent.width
            font.family: Fonts.raleway
            font.pixelSize: Fonts.title
            color: Colors.black
            wrapMode: Text.WordWrap
            text: qsTr("AppUpdateProcess")
        }
        Text {
            font.family: Fonts.openSans
            font.pixelSize: Fonts.hero
            color: Colors.cyan_4
            text: (task ? task.percent : 0) + "%"
        }
        ProgressBar {
            id: bar
            width: parent.width
            from: 0
            to: 100
            value: task ? task.percent : 0
            background: Rectangle {
                implicitHeight: 6
                radius: 3
                color: Colors.gray_8
            }
            contentItem: Item {
                implicitHeight: 6
                Rectangle {
                    width: bar.visualPosition * parent.width
                    height: parent.height
                    radius: 3
                    color: Colors.cyan_4
                }
            }
        }
        Text {
            font.family: Fonts.openSans
            font.pixelSize: Fonts.small
            color: Colors.gray_3
            text: (task ? task.downSize : 0) + " / " + (task ? task.fileSize : 0) + " KB"
        }
    }

    Row {
        anchors.right: parent.right
        anchors.bottom: parent.bottom
        anchors.margins: 24
        spacing: 12
        SecondButton {
            visible: !root.downloading
            text: qsTr("NoButton")
            aCategory: root.aCategory
            aLabel: "Decline"
            onClicked: window.showMainWindow()
        }
        PrimaryButton {
            objectName: "yesButton"
            visible: !root.downloading
            text: qsTr("YesButton")
            aCategory: root.aCategory
            aLabel: "Accept"
            onClicked: {
                root.failed = false
                root.downloading = true
                window.update()
            }
        }
        CancelButton {
            visible: root.downloading
            aCategory: root.aCategory
            aLabel: "Cancel"
            onClicked: {
                window.updateAbort()
                window.showMainWindow()
            }
        }
    }
}
