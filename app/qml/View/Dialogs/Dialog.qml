import QtQuick 2.15
import QtQuick.Window 2.15
import QtGraphicalEffects 1.15
import "../../Style"

// A modal, frameless window around one layout, created on first use.
Loader {
    id: dialog
    property Component layout: null
    property string aCategory: ""
    // The layout shown, once the dialog has been opened.
    readonly property var layoutItem: dialog.item ? dialog.item.body.item : null
    readonly property bool opened: dialog.item ? dialog.item.visible : false
    property int glow: 18

    signal closing()
    signal cancel()

    active: false

    function open() {
        active = true
        var frame = dialog.item
        frame.body.sourceComponent = null
        frame.body.sourceComponent = layout
        var host = frame.transientParent
        var centreX = host ? host.x + host.width / 2 : Screen.width / 2
        var centreY = host ? host.y + host.height / 2 : Screen.height / 2
        frame.width = frame.body.width + 2 * glow
        frame.height = frame.body.height + 2 * glow
        frame.x = centreX - frame.width / 2
        frame.y = centreY - frame.height / 2
        frame.show()
        frame.requestActivate()
        if (aCategory !== "")
            tracker.sendAppView(aCategory)
    }
    function close() {
        if (dialog.item) {
            dialog.item.close()
            dialog.item.hide()
        }
    }

    sourceComponent: Window {
        id: frame
        property alias body: body
        flags: Qt.FramelessWindowHint | Qt.Dialog
        modality: Qt.ApplicationModal
        color: "transparent"
        onClosing: dialog.closing()

        RectangularGlow {
            anchors.fill: panel
            glowRadius: dialog.glow / 2
            spread: 0.1
            cornerRadius: panel.radius + glowRadius
            color: "#66000000"
        }
        Rectangle {
            id: panel
            anchors.fill: parent
            anchors.margins: dialog.glow
            radius: 6
            color: Colors.white
        }
        Loader {
            id: body
            x: dialog.glow
            y: dialog.glow
            focus: true
            onLoaded: item.dialog = frame
            Keys.onEscapePressed: {
                dialog.cancel()
                dialog.close()
            }
        }
    }
}
