import QtQuick 2.15
import QtQuick.Controls 2.15
import QtGraphicalEffects 1.15
import "../../Style"

// A filled button with an icon before its text.
PrimaryButton {
    id: control
    property url iconSource
    contentItem: Row {
        spacing: 8
        Item {
            width: 16
            height: 16
            anchors.verticalCenter: parent.verticalCenter
            Image {
                id: glyph
                anchors.fill: parent
                source: control.iconSource
                sourceSize: Qt.size(16, 16)
                visible: false
            }
            ColorOverlay {
                anchors.fill: glyph
                source: glyph
                color: Colors.white
            }
        }
        Text {
            text: control.text
            font: control.font
            color: Colors.white
            anchors.verticalCenter: parent.verticalCenter
        }
    }
}
