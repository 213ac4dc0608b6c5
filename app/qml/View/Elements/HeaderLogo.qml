import QtQuick 2.15
import "../../Style"

// The product mark and name, for dark backgrounds.
Row {
    id: logo
    property int logoSize: 24
    property int fontSize: 16
    spacing: 8
    Image {
        source: "../../Resources/Images/logo.svg"
        sourceSize: Qt.size(logo.logoSize, logo.logoSize)
        anchors.verticalCenter: parent.verticalCenter
    }
    Text {
        anchors.verticalCenter: parent.verticalCenter
        font.family: Fonts.raleway
        font.pixelSize: logo.fontSize
        color: Colors.white
        textFormat: Text.StyledText
        text: "Quillon" + "<font color=\"" + Colors.cyan_5 + "\">" + "Pro" + "</font>"
    }
}
