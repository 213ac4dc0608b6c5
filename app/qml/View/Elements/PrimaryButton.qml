import QtQuick 2.15
import QtQuick.Controls 2.15
import "../../Style"

// The one main action of a page.
Button {
    id: control
    property string aCategory: ""
    property string aLabel: ""
    implicitHeight: 40
    implicitWidth: Math.max(160, contentItem.implicitWidth + 48)
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
        color: control.enabled ? Colors.white : Colors.gray_7
        horizontalAlignment: Text.AlignHCenter
        verticalAlignment: Text.AlignVCenter
        elide: Text.ElideRight
    }
    background: Rectangle {
        radius: 3
        color: !control.enabled ? Colors.gray_5
             : control.pressed ? Colors.green_4
             : control.hovered ? Colors.cyan_5 : Colors.cyan_4
    }
}
