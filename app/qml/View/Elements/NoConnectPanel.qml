import QtQuick 2.15
import QtGraphicalEffects 1.15
import "../../Style"

// Shown instead of a page that needs the service when it did not answer at start-up.
Item {
    Column {
        anchors.centerIn: parent
        width: Math.min(parent.width - 80, 460)
        spacing: 14
        Item {
            width: 56
            height: 56
            anchors.horizontalCenter: parent.horizontalCenter
            Image {
                id: glyph
                anchors.fill: parent
                source: "../../Resources/Images/Elements/no-connect.svg"
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
            text: qsTr("NoConnectTitle")
        }
        Text {
            width: parent.width
            horizontalAlignment: Text.AlignHCenter
            font.family: Fonts.openSans
            font.pixelSize: Fonts.body
            color: Colors.gray_2
            wrapMode: Text.WordWrap
            text: qsTr("NoConnectDesc")
        }
    }
}
