import QtQuick 2.15
import "../../Style"

SecondButton {
    implicitHeight: 32
    implicitWidth: Math.max(110, contentItem.implicitWidth + 28)
    font.pixelSize: Fonts.small
}
