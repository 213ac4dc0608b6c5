import QtQuick 2.15
import "../../../Style"

// A task's message over its progress bar.
Column {
    id: progress
    property QtObject task: null
    spacing: 10

    Text {
        width: parent.width
        font.family: Fonts.openSans
        font.pixelSize: Fonts.large
        color: Colors.black
        elide: Text.ElideRight
        text: progress.task ? progress.task.state.message : ""
    }
    Rectangle {
        readonly property real value: progress.task ? Math.max(0, Math.min(1, progress.task.state.progress)) : 0
        width: parent.width
        height: 8
        radius: 4
        color: Colors.gray_8
        Rectangle {
            width: parent.width * parent.value
            height: parent.height
            radius: parent.radius
            color: Colors.cyan_4
            Behavior on width { NumberAnimation { duration: 150 } }
        }
    }
}
