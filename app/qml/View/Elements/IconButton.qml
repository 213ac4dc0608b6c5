import QtQuick 2.15
import QtQuick.Controls 2.15
import QtGraphicalEffects 1.15
import "../../Style"

// A square button showing only a tinted icon, as in the window's title bar.
AbstractButton {
    id: control
    property url iconSource
    property color iconColor: Colors.gray_6
    property color hoverIconColor: Colors.white
    property color hoverColor: Colors.cyan_dull_2
    property int iconSize: 16
    property string aCategory: ""
    property string aLabel: ""
    implicitWidth: 40
    implicitHeight: 40
    hoverEnabled: true
    onClicked: {
        if (aCategory !== "" && aLabel !== "")
            tracker.sendEvent(aCategory, "Click", aLabel)
    }
    background: Rectangle {
        color: control.hovered ? control.hoverColor : "transparent"
    }
    contentItem: Item {
        Image {
            id: glyph
            anchors.centerIn: parent
            source: control.iconSource
            sourceSize: Qt.size(control.iconSize, control.iconSize)
            visible: false
        }
        ColorOverlay {
            anchors.fill: glyph
            source: glyph
            color: control.hovered ? control.hoverIconColor : control.iconColor
        }
    }
}
