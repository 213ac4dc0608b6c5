import QtQuick 2.15
import QtQuick.Controls 2.15
import "../../../Style"
import "../../Elements"

// One device with updates; a click opens the table of its candidate drivers.
Rectangle {
    id: row
    property int number: 0
    property QtObject device: null
    property string aCategory: ""
    property bool expanded: false
    readonly property var drivers: device ? device.drivers : []
    readonly property int headHeight: 56
    readonly property int tableHeight: 24 + 150 * drivers.length

    height: headHeight + (expanded ? tableHeight : 0)
    clip: true
    radius: 4
    color: Colors.white
    border.width: 1
    border.color: expanded ? Colors.cyan_5 : Colors.gray_7
    Behavior on height { NumberAnimation { duration: 300; easing.type: Easing.InOutQuad } }

    function toggle() {
        expanded = !expanded
        if (expanded)
            tracker.sendEvent(aCategory, "Click", "Expand-driver-info")
    }

    Item {
        id: head
        anchors.top: parent.top
        anchors.left: parent.left
        anchors.right: parent.right
        height: row.headHeight

        MouseArea {
            anchors.fill: parent
            cursorShape: Qt.PointingHandCursor
            onClicked: row.toggle()
        }
        SCheckBox {
            id: check
            objectName: "deviceCheck"
            anchors.left: parent.left
            anchors.leftMargin: 12
            anchors.verticalCenter: parent.verticalCenter
            checked: row.device ? row.device.select : false
            onToggled: row.device.select = checked
        }
        Text {
            id: numberText
            anchors.left: check.right
            anchors.leftMargin: 4
            anchors.verticalCenter: parent.verticalCenter
            width: 28
            font.family: Fonts.openSans
            font.pixelSize: Fonts.body
            color: Colors.gray_3
            text: row.number
        }
        Column {
            anchors.left: numberText.right
            anchors.right: count.left
            anchors.rightMargin: 12
            anchors.verticalCenter: parent.verticalCenter
            Text {
                width: parent.width
                font.family: Fonts.openSans
                font.pixelSize: Fonts.body
                color: Colors.black
                elide: Text.ElideRight
                text: row.device ? row.device.name : ""
            }
            Text {
                width: parent.width
                font.family: Fonts.openSans
                font.pixelSize: Fonts.small
                color: Colors.gray_3
                elide: Text.ElideRight
                text: row.device ? row.device.className : ""
            }
        }
        Text {
            id: count
            anchors.right: arrow.left
            anchors.rightMargin: 12
            anchors.verticalCenter: parent.verticalCenter
            font.family: Fonts.openSans
            font.pixelSize: Fonts.small
            color: Colors.gray_2
            text: qsTr("CandidateCount").arg(row.drivers.length)
        }
        Image {
            id: arrow
            anchors.right: parent.right
            anchors.rightMargin: 16
            anchors.verticalCenter: parent.verticalCenter
            source: row.expanded ? "../../../Resources/Images/Buttons/arrow-up.svg"
                                 : "../../../Resources/Images/Buttons/arrow-down.svg"
            sourceSize: Qt.size(14, 14)
        }
    }

    ButtonGroup { id: choice }

    Column {
        id: table
        objectName: "driverTable"
        anchors.top: head.bottom
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.leftMargin: 1
        anchors.rightMargin: 1
        visible: row.height > row.headHeight
        readonly property var widths: [0.3, 0.3, 0.25, 0.15]

        Rectangle {
            width: parent.width
            height: 24
            color: Colors.steel_9
            Row {
                anchors.fill: parent
                Repeater {
                    model: ["", qsTr("NewVersion"), qsTr("CurrentDriver"), qsTr("Size")]
                    delegate: Text {
                        width: table.width * table.widths[index]
                        height: parent.height
                        leftPadding: 16
                        verticalAlignment: Text.AlignVCenter
                        font.family: Fonts.openSans
                        font.pixelSize: Fonts.small
                        color: Colors.gray_3
                        elide: Text.ElideRight
                        text: modelData
                    }
                }
            }
        }

        Repeater {
            model: row.drivers
            delegate: Rectangle {
                id: candidate
                readonly property QtObject update: modelData.update
                readonly property QtObject current: modelData.current
                width: table.width
                height: 150
                color: index % 2 ? Colors.gray_9 : Colors.white

                Row {
                    anchors.fill: parent
                    anchors.topMargin: 12
                    Column {
                        width: table.width * table.widths[0]
                        leftPadding: 12
                        spacing: 8
                        ERadioButton {
                            objectName: "driverChoice"
                            ButtonGroup.group: choice
                            text: index === 0 ? qsTr("Recomended") : qsTr("Alternative")
                            textColor: index === 0 ? Colors.green_6 : Colors.driver_text_red
                            checked: row.device ? row.device.selectDriverIndex === index : false
                            onClicked: {
                                row.device.selectDriverIndex = index
                                if (index > 0)
                                    tracker.sendEvent(row.aCategory, "Click", "Alternative-driver")
                            }
                        }
                        Text {
                            width: parent.width - 24
                            leftPadding: 30
                            font.family: Fonts.openSans
                            font.pixelSize: Fonts.body
                            color: Colors.black
                            wrapMode: Text.WordWrap
                            maximumLineCount: 3
                            elide: Text.ElideRight
                            text: candidate.update ? candidate.update.name : ""
                        }
                    }
                    Item {
                        width: table.width * table.widths[1]
                        height: parent.height
                        DriverFacts {
                            anchors.left: parent.left
                            anchors.right: parent.right
                            anchors.leftMargin: 16
                            driver: candidate.update
                        }
                    }
                    Item {
                        width: table.width * table.widths[2]
                        height: parent.height
                        DriverFacts {
                            anchors.left: parent.left
                            anchors.right: parent.right
                            anchors.leftMargin: 16
                            driver: candidate.current
                        }
                    }
                    Text {
                        width: table.width * table.widths[3]
                        leftPadding: 16
                        font.family: Fonts.openSans
                        font.pixelSize: Fonts.body
                        color: Colors.black
                        text: candidate.update ? candidate.update.sizeValue + " " + candidate.update.sizeDim : ""
                    }
                }
            }
        }
    }
}
