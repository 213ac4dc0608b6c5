import QtQuick 2.15
import QtGraphicalEffects 1.15
import "../../../Style"
import "../../Elements"

// A search the service did not answer: nothing is known about the drivers.
Item {
    id: failed
    signal retryRequested()
    signal backRequested()

    Column {
        anchors.centerIn: parent
        width: Math.min(parent.width - 80, 520)
        spacing: 16
        Item {
            width: 56
            height: 56
            anchors.horizontalCenter: parent.horizontalCenter
            Image {
                id: glyph
                anchors.fill: parent
                source: "../../../Resources/Images/Elements/no-connect.svg"
                sourceSize: Qt.size(56, 56)
                visible: false
            }
            ColorOverlay {
                anchors.fill: glyph
                source: glyph
                color: Colors.gray_4
            }
        }
        Text {
            width: parent.width
            horizontalAlignment: Text.AlignHCenter
            font.family: Fonts.raleway
            font.pixelSize: Fonts.title
            color: Colors.black
            wrapMode: Text.WordWrap
            text: qsTr("ConnectErrorHeader")
        }
        Text {
            width: parent.width
            horizontalAlignment: Text.AlignHCenter
            font.family: Fonts.openSans
            font.pixelSize: Fonts.body
            color: Colors.gray_2
            wrapMode: Text.WordWrap
            text: qsTr("ServerConnectErrorMessage")
        }
        Row {
            anchors.horizontalCenter: parent.horizontalCenter
            spacing: 16
            SecondButton {
                objectName: "failedBackButton"
                text: qsTr("BackButton")
                onClicked: failed.backRequested()
            }
            PrimaryButton {
                objectName: "retryScanButton"
                text: qsTr("RetryButton")
                onClicked: failed.retryRequested()
            }
        }
    }
}
