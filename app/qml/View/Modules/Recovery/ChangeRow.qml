import QtQuick 2.15
import QtGraphicalEffects 1.15
import "../../../Style"

// One driver change: number, device, day, and on a click the driver's facts.
// The recovery list puts its status cell at the right; the history has none.
Rectangle {
    id: row
    objectName: "changeRow"
    property int number: 0
    property QtObject changes: null
    property string aCategory: ""
    property string expandLabel: ""
    property bool expanded: false
    default property alias statusCell: statusArea.data
    readonly property QtObject driver: changes ? changes.driver : null
    readonly property var facts: [[qsTr("Version"), driver ? driver.version : ""],
                                  [qsTr("VersionDate"), driver ? driver.date : ""],
                                  [qsTr("Developer"), driver ? driver.provider : ""]]
    readonly property int headHeight: 52

    height: headHeight + (expanded ? details.height + 12 : 0)
    clip: true
    radius: 4
    color: Colors.white
    border.width: 1
    border.color: expanded ? Colors.cyan_5 : Colors.gray_7
    Behavior on height { NumberAnimation { duration: 300; easing.type: Easing.InOutQuad } }

    function toggle() {
        expanded = !expanded
        if (expanded)
            tracker.sendEvent(aCategory, "Click", expandLabel)
    }

    MouseArea {
        anchors.left: parent.left
        anchors.right: statusArea.left
        anchors.top: parent.top
        height: row.headHeight
        cursorShape: Qt.PointingHandCursor
        onClicked: row.toggle()
    }
    Text {
        id: numberText
        anchors.left: parent.left
        anchors.leftMargin: 16
        y: (row.headHeight - height) / 2
        width: 28
        font.family: Fonts.openSans
        font.pixelSize: Fonts.body
        color: Colors.gray_3
        text: row.number
    }
    Image {
        id: arrow
        anchors.left: numberText.right
        y: (row.headHeight - height) / 2
        source: row.expanded ? "../../../Resources/Images/Buttons/arrow-up.svg"
                             : "../../../Resources/Images/Buttons/arrow-down.svg"
        sourceSize: Qt.size(12, 12)
        visible: false
    }
    // The arrows are drawn white, for dark buttons.
    ColorOverlay {
        anchors.fill: arrow
        source: arrow
        color: Colors.gray_3
    }
    Text {
        id: nameText
        anchors.left: arrow.right
        anchors.leftMargin: 12
        anchors.right: dateText.left
        anchors.rightMargin: 12
        y: (row.headHeight - height) / 2
        font.family: Fonts.openSans
        font.pixelSize: Fonts.body
        color: Colors.black
        elide: Text.ElideRight
        text: row.driver ? row.driver.name : ""
    }
    Text {
        id: dateText
        anchors.right: statusArea.left
        anchors.rightMargin: 16
        y: (row.headHeight - height) / 2
        width: 96
        font.family: Fonts.openSans
        font.pixelSize: Fonts.small
        color: Colors.gray_2
        horizontalAlignment: Text.AlignRight
        text: row.changes ? row.changes.changesDate : ""
    }
    Item {
        id: statusArea
        anchors.right: parent.right
        anchors.rightMargin: 12
        width: childrenRect.width
        height: row.headHeight
    }
    Column {
        id: details
        objectName: "changeFacts"
        anchors.left: nameText.left
        anchors.right: parent.right
        anchors.rightMargin: 16
        y: row.headHeight
        spacing: 4
        visible: row.height > row.headHeight
        Repeater {
            model: row.facts
            delegate: Row {
                spacing: 12
                visible: modelData[1] !== ""
                Text {
                    width: 110
                    font.family: Fonts.openSans
                    font.pixelSize: Fonts.small
                    color: Colors.gray_3
                    text: modelData[0]
                }
                Text {
                    width: details.width - 122
                    font.family: Fonts.openSans
                    font.pixelSize: Fonts.small
                    color: Colors.black
                    elide: Text.ElideRight
                    text: modelData[1]
                }
            }
        }
    }
}
