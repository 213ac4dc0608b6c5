import QtQuick 2.15
import QtGraphicalEffects 1.15
import "../Style"
import "Elements"

Rectangle {
    id: root
    width: 520
    height: 300
    color: Colors.white
    border.width: 1
    border.color: Colors.steel_2

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
            anchors.right: parent.right
            height: parent.height
            width: 48
            iconSource: "../Resources/Images/Buttons/close.svg"
            hoverColor: Colors.amarant_5
            onClicked: window.close()
        }
    }

    Row {
        anchors.top: header.bottom
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.margins: 28
        spacing: 20
        Item {
            width: 44
            height: 44
            Image {
                id: warning
                anchors.fill: parent
                source: "../Resources/Images/Elements/warning.svg"
                sourceSize: Qt.size(44, 44)
                visible: false
            }
            ColorOverlay {
                anchors.fill: warning
                source: warning
                color: Colors.yellow_4
            }
        }
        Column {
            width: parent.width - 64
            spacing: 10
            Text {
                width: parent.width
                font.family: Fonts.raleway
                font.pixelSize: Fonts.title
                color: Colors.black
                wrapMode: Text.WordWrap
                text: qsTr("ConnectErrorHeader")
            }
            Text {
                width: parent.width
                font.family: Fonts.openSans
                font.pixelSize: Fonts.body
                color: Colors.gray_2
                wrapMode: Text.WordWrap
                text: window.isServerError ? qsTr("ServerConnectErrorMessage")
                                           : qsTr("InternetConnectErrorMessage")
            }
        }
    }

    Row {
        anchors.right: parent.right
        anchors.bottom: parent.bottom
        anchors.margins: 24
        spacing: 12
        CancelButton {
            onClicked: window.close()
        }
        PrimaryButton {
            text: qsTr("RetryButton")
            onClicked: window.retry()
        }
    }
}
