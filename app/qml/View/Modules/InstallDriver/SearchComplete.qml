import QtQuick 2.15
import "../../../Style"
import "../../Elements"

// A search that found nothing newer: the drivers are current.
Item {
    id: complete
    signal autorunRequested()
    signal finishRequested()

    Column {
        anchors.centerIn: parent
        width: Math.min(parent.width - 80, 520)
        spacing: 16
        Rectangle {
            anchors.horizontalCenter: parent.horizontalCenter
            width: 72
            height: 72
            radius: 36
            color: Colors.green_5
            Image {
                anchors.centerIn: parent
                source: "../../../Resources/Images/Elements/check.svg"
                sourceSize: Qt.size(40, 40)
            }
        }
        Text {
            width: parent.width
            horizontalAlignment: Text.AlignHCenter
            font.family: Fonts.raleway
            font.pixelSize: Fonts.title
            color: Colors.black
            wrapMode: Text.WordWrap
            text: qsTr("SearchCompleteTitle")
        }
        Text {
            width: parent.width
            horizontalAlignment: Text.AlignHCenter
            font.family: Fonts.openSans
            font.pixelSize: Fonts.body
            color: Colors.gray_2
            wrapMode: Text.WordWrap
            text: qsTr("SearchCompleteDesc")
        }
        Row {
            anchors.horizontalCenter: parent.horizontalCenter
            spacing: 16
            SecondButton {
                objectName: "toAutorunButton"
                text: qsTr("ToAutorunButton")
                onClicked: complete.autorunRequested()
            }
            PrimaryButton {
                objectName: "finishButton"
                text: qsTr("UpdateFinishButton")
                onClicked: complete.finishRequested()
            }
        }
    }
}
