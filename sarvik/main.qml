import QtQuick 2.15
import QtQuick.Window 2.15

// The reminder the scheduled task brings up: open the program, open its
// autorun settings, or ask again tomorrow. Every choice closes the window.
Window {
    id: root
    readonly property color background: "#293534"
    readonly property color header: "#32403E"
    readonly property color textColor: "#DDEFEF"
    readonly property string product: "Quillon Pro"

    // A translation may leave the product name out.
    function withProduct(text) {
        return text.split("%1").join(product)
    }

    width: 480
    height: 300
    visible: true
    title: "Quillon Pro Setup"
    flags: Qt.FramelessWindowHint | Qt.Window
    color: background

    FontLoader {
        id: openSans
        source: "qrc:/Resources/OpenSans-Regular.ttf"
    }

    component ActionButton: Rectangle {
        id: button
        property alias text: label.text
        property string icon: ""
        property bool primary: false
        signal clicked()
        implicitWidth: content.implicitWidth + 32
        implicitHeight: 36
        radius: 4
        color: primary ? (area.containsMouse ? "#3FC9BF" : "#13A49A")
                       : (area.containsMouse ? "#3E4E4D" : "transparent")
        border.width: primary ? 0 : 1
        border.color: "#6C8585"
        Row {
            id: content
            anchors.centerIn: parent
            spacing: 8
            Image {
                visible: button.icon !== ""
                source: button.icon
                sourceSize: Qt.size(16, 16)
                anchors.verticalCenter: parent.verticalCenter
            }
            Text {
                id: label
                font.family: openSans.name
                font.pixelSize: 14
                color: root.textColor
                anchors.verticalCenter: parent.verticalCenter
            }
        }
        MouseArea {
            id: area
            anchors.fill: parent
            hoverEnabled: true
            cursorShape: Qt.PointingHandCursor
            onClicked: button.clicked()
        }
    }

    Rectangle {
        id: bar
        anchors.left: parent.left
        anchors.right: parent.right
        height: 40
        color: root.header

        MouseArea {
            property point pressed
            anchors.fill: parent
            onPressed: pressed = Qt.point(mouse.x, mouse.y)
            onPositionChanged: {
                root.x += mouse.x - pressed.x
                root.y += mouse.y - pressed.y
            }
        }
        Text {
            anchors.left: parent.left
            anchors.leftMargin: 16
            anchors.verticalCenter: parent.verticalCenter
            text: root.product
            font.family: openSans.name
            font.pixelSize: 14
            color: root.textColor
        }
        Image {
            id: cross
            objectName: "closeButton"
            signal clicked()
            anchors.right: parent.right
            anchors.rightMargin: 12
            anchors.verticalCenter: parent.verticalCenter
            source: "qrc:/Resources/cross.svg"
            sourceSize: Qt.size(16, 16)
            onClicked: root.close()
            MouseArea {
                anchors.fill: parent
                anchors.margins: -8
                cursorShape: Qt.PointingHandCursor
                onClicked: cross.clicked()
            }
        }
    }

    Image {
        id: picture
        anchors.left: parent.left
        anchors.top: bar.bottom
        anchors.margins: 24
        source: "qrc:/Resources/image.svg"
        sourceSize: Qt.size(96, 96)
    }

    Column {
        anchors.left: picture.right
        anchors.leftMargin: 20
        anchors.right: parent.right
        anchors.rightMargin: 24
        anchors.top: bar.bottom
        anchors.topMargin: 24
        spacing: 10
        Text {
            width: parent.width
            text: root.withProduct(qsTr("AutorunTitle"))
            font.family: openSans.name
            font.pixelSize: 18
            font.bold: true
            color: root.textColor
            wrapMode: Text.WordWrap
        }
        Text {
            width: parent.width
            text: root.withProduct(qsTr("AutorunDesc"))
            font.family: openSans.name
            font.pixelSize: 13
            color: root.textColor
            opacity: 0.85
            wrapMode: Text.WordWrap
        }
    }

    Row {
        anchors.right: parent.right
        anchors.bottom: parent.bottom
        anchors.margins: 20
        spacing: 10
        ActionButton {
            objectName: "transferButton"
            text: qsTr("TransferButton")
            onClicked: {
                handler.moveToTomorrow()
                root.close()
            }
        }
        ActionButton {
            objectName: "settingsButton"
            text: qsTr("SettingsBtn")
            onClicked: {
                handler.launchAutorunTab()
                root.close()
            }
        }
        ActionButton {
            objectName: "okButton"
            primary: true
            icon: "qrc:/Resources/ok_but.svg"
            text: qsTr("Ok")
            onClicked: {
                handler.launchApp()
                root.close()
            }
        }
    }
}
