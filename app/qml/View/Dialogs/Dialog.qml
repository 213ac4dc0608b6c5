import QtQuick 2.15
import QtQuick.Window 2.15
import QtGraphicalEffects 1.15
import Quillon 1.0
import "../../Style"

// A modal, frameless window around one layout, created on first use. The
// window follows the layout's size for as long as it shows, keeping its centre.
Loader {
    id: dialog
    property Component layout: null
    property string aCategory: ""
    // The layout shown, once the dialog has been opened.
    readonly property var layoutItem: dialog.item ? dialog.item.body.item : null
    readonly property bool opened: dialog.item ? dialog.item.visible : false
    property int glow: 18
    // Where transparent pixels would show black, the panel stands alone.
    property bool translucent: WindowSystem.translucentWindows
    readonly property int margin: translucent ? glow : 0

    signal closing()
    signal cancel()

    active: false

    function open() {
        active = true
        var frame = dialog.item
        frame.body.sourceComponent = null
        frame.body.sourceComponent = layout
        frame.centreOnHost()
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
        property alias panel: panel
        // Kept still while the layout grows or shrinks around it; moved by dragging.
        property point centre

        function centreOnHost() {
            var host = frame.transientParent
            centre = host ? Qt.point(host.x + host.width / 2, host.y + host.height / 2)
                          : Qt.point(Screen.width / 2, Screen.height / 2)
        }
        function moveBy(dx, dy) {
            centre = Qt.point(centre.x + dx, centre.y + dy)
        }

        flags: Qt.FramelessWindowHint | Qt.Dialog
        modality: Qt.ApplicationModal
        color: dialog.translucent ? "transparent" : Colors.white
        // From the body rather than the window's own size, whose change the
        // window system reports only later.
        readonly property int fullWidth: Math.max(1, body.width + 2 * dialog.margin)
        readonly property int fullHeight: Math.max(1, body.height + 2 * dialog.margin)
        width: fullWidth
        height: fullHeight
        x: Math.round(centre.x - fullWidth / 2)
        y: Math.round(centre.y - fullHeight / 2)
        onClosing: dialog.closing()

        RectangularGlow {
            visible: dialog.translucent
            anchors.fill: panel
            glowRadius: dialog.glow / 2
            spread: 0.1
            cornerRadius: panel.radius + glowRadius
            color: "#66000000"
        }
        Rectangle {
            id: panel
            objectName: "dialogPanel"
            anchors.fill: parent
            anchors.margins: dialog.margin
            radius: dialog.translucent ? 6 : 0
            color: Colors.white
            // Without the glow, a line parts the dialog from a white page beneath.
            border.width: dialog.translucent ? 0 : 1
            border.color: Colors.gray_5
        }
        Loader {
            id: body
            x: dialog.margin
            y: dialog.margin
            focus: true
            onLoaded: item.dialog = frame
            Keys.onEscapePressed: {
                dialog.cancel()
                dialog.close()
            }
        }
    }
}
