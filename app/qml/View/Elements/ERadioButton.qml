import QtQuick 2.15
import QtQuick.Controls 2.15
import "../../Style"

RadioButton {
    id: control
    property color textColor: Colors.black
    font.family: Fonts.openSans
    font.pixelSize: Fonts.body
    spacing: 10
    indicator: Rectangle {
        implicitWidth: 20
        implicitHeight: 20
        x: control.leftPadding
        y: (control.height - height) / 2
        radius: 10
        color: Colors.white
        border.width: control.checked ? 6 : 1
        border.color: control.checked ? Colors.cyan_4 : control.hovered ? Colors.cyan_4 : Colors.gray_5
    }
    contentItem: Text {
        text: control.text
        font: control.font
        color: control.textColor
        leftPadding: control.indicator.width + control.spacing
        verticalAlignment: Text.AlignVCenter
    }
}
