import QtQuick 2.15
import QtQuick.Controls 2.15
import "../../Style"

// The large call to action, drawn with the brand gradient.
PrimaryButton {
    id: control
    implicitHeight: 48
    implicitWidth: Math.max(200, contentItem.implicitWidth + 64)
    font.pixelSize: Fonts.large
    background: Rectangle {
        radius: 24
        opacity: control.enabled ? 1 : 0.5
        gradient: Gradient {
            orientation: Gradient.Horizontal
            GradientStop { position: 0; color: control.pressed ? Colors.green_4 : Colors.cyan_4 }
            GradientStop { position: 1; color: control.hovered ? Colors.green_6 : Colors.green_5 }
        }
    }
}
