import QtQuick 2.15
import "../../Style"

Item {
    id: indicator
    property bool running: visible
    implicitWidth: 48
    implicitHeight: 48
    Rectangle {
        anchors.fill: parent
        radius: width / 2
        color: "transparent"
        border.width: 4
        border.color: Colors.gray_8
    }
    Canvas {
        id: arc
        anchors.fill: parent
        onPaint: {
            var ctx = getContext("2d")
            ctx.reset()
            ctx.lineWidth = 4
            ctx.lineCap = "round"
            ctx.strokeStyle = Colors.cyan_4
            ctx.beginPath()
            ctx.arc(width / 2, height / 2, width / 2 - 2, 0, Math.PI / 2)
            ctx.stroke()
        }
        RotationAnimation on rotation {
            from: 0
            to: 360
            duration: 900
            loops: Animation.Infinite
            running: indicator.running
        }
    }
}
