import QtQuick 2.15
import QtQuick.Controls 2.15
import "../../Style"

// A secondary action beside a primary one: outlined, never filled.
Button {
    id: control
    property string aCategory: ""
    property string aLabel: ""
    implicitHeight: 40
    implicitWidth: Math.max(140, contentItem.implicitWidth + 40)
    hoverEnabled: true
    font.family: Fonts.openSans
    font.pixelSize: Fonts.body
    onClicked: {
        if (aCategory !== "" && aLabel !== "")
            tracker.sendEvent(aCategory, "Click", aLabel)
    }
    contentItem: Text {
        text: control.text
        font: control.font
        color: !control.enabled ? Colors.gray_5 : control.hovered ? Colors.cyan_4 : Colors.gray_1
        horizontalAlignment: Text.AlignHCenter
        verticalAlignment: Text.AlignVCenter
        elide: Text.ElideRight
    }
    background: Rectangle {
        radius: 3
        color: control.pressed ? Colors.gray_9 : Colors.white
        border.width: 1
        border.color: !control.enabled ? Colors.gray_7 : control.hovered ? Colors.cyan_4 : Colors.gray_5
    }
}
