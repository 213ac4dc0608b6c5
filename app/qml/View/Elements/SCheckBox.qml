import QtQuick 2.15
import QtQuick.Controls 2.15
import "../../Style"

// A check box that reports its changes: action `aAction`, label "Check" or "Uncheck".
CheckBox {
    id: control
    property string aCategory: ""
    property string aAction: ""
    property color textColor: Colors.black
    font.family: Fonts.openSans
    font.pixelSize: Fonts.body
    spacing: 10
    onToggled: {
        if (aCategory !== "" && aAction !== "")
            tracker.sendEvent(aCategory, aAction, checked ? "Check" : "Uncheck")
    }
    indicator: Rectangle {
        implicitWidth: 20
        implicitHeight: 20
        x: control.leftPadding
        y: (control.height - height) / 2
        radius: 3
        color: control.checked ? Colors.cyan_4 : Colors.white
        border.width: control.checked ? 0 : 1
        border.color: control.hovered ? Colors.cyan_4 : Colors.gray_5
        Image {
            anchors.centerIn: parent
            source: "../../Resources/Images/Elements/check.svg"
            sourceSize: Qt.size(14, 14)
            visible: control.checked
        }
    }
    contentItem: Text {
        text: control.text
        font: control.font
        color: control.enabled ? control.textColor : Colors.gray_4
        leftPadding: control.indicator.width + control.spacing
        verticalAlignment: Text.AlignVCenter
        wrapMode: Text.WordWrap
    }
}
