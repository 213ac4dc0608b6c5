import QtQuick 2.15
import "../../Style"

// A link that reports its click before opening; without a link it is inert.
Text {
    id: link
    property string link: ""
    property string aCategory: ""
    property string aLabel: ""
    readonly property bool active: link.link !== ""
    signal activated()

    font.family: Fonts.openSans
    font.pixelSize: Fonts.body
    font.underline: active && area.containsMouse
    color: !active ? Colors.gray_4 : area.pressed ? Colors.blue_4 : Colors.blue_5
    enabled: active

    function activate() {
        if (!active)
            return
        if (aCategory !== "")
            tracker.sendEvent(aCategory, "Click", aLabel)
        activated()
        Qt.openUrlExternally(link.link)
    }

    MouseArea {
        id: area
        anchors.fill: parent
        enabled: link.active
        hoverEnabled: true
        cursorShape: link.active ? Qt.PointingHandCursor : Qt.ArrowCursor
        onClicked: link.activate()
    }
}
