import QtQuick 2.15
import "../../../Style"
import "../../Elements"

// The running scan: its progress and the machine it runs on.
Item {
    id: scan
    property string aCategory: ""
    property QtObject module: null
    readonly property QtObject finder: module ? module.finder : null
    readonly property QtObject info: module ? module.systemInfo : null
    signal cancelRequested()

    function memoryText() {
        if (!info)
            return ""
        return info.memory === "-" ? info.memory : info.memory + " " + qsTr("GB")
    }

    Column {
        anchors.top: parent.top
        anchors.topMargin: 40
        anchors.horizontalCenter: parent.horizontalCenter
        width: Math.min(parent.width - 64, 620)
        spacing: 14

        Text {
            objectName: "scanMessage"
            width: parent.width
            font.family: Fonts.openSans
            font.pixelSize: Fonts.large
            color: Colors.black
            elide: Text.ElideRight
            text: scan.finder ? scan.finder.state.message : ""
        }
        Rectangle {
            objectName: "scanProgress"
            readonly property real value: scan.finder ? Math.max(0, Math.min(1, scan.finder.state.progress)) : 0
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
        CancelButton {
            objectName: "stopScanButton"
            aCategory: scan.aCategory
            aLabel: "Stop-scan-button"
            onClicked: scan.cancelRequested()
        }
        Item {
            width: 1
            height: 16
        }
        Rectangle {
            width: parent.width
            height: infoColumn.height + 32
            radius: 4
            color: Colors.steel_9
            border.width: 1
            border.color: Colors.steel_7
            Column {
                id: infoColumn
                anchors.left: parent.left
                anchors.right: parent.right
                anchors.top: parent.top
                anchors.margins: 16
                spacing: 10
                Text {
                    font.family: Fonts.raleway
                    font.pixelSize: Fonts.large
                    color: Colors.black
                    text: qsTr("SystemInfoTitle")
                }
                Repeater {
                    model: [
                        { title: qsTr("OS"), value: scan.module ? scan.module.osInfoText : "" },
                        { title: qsTr("Processor"), value: scan.info ? scan.info.processor : "" },
                        { title: qsTr("Motherboard"), value: scan.info ? scan.info.motherboard : "" },
                        { title: qsTr("Memory"), value: scan.memoryText() },
                        { title: qsTr("BIOS"), value: scan.info ? scan.info.bios : "" }
                    ]
                    delegate: Row {
                        width: infoColumn.width
                        spacing: 12
                        Text {
                            width: 200
                            font.family: Fonts.openSans
                            font.pixelSize: Fonts.body
                            color: Colors.gray_3
                            elide: Text.ElideRight
                            text: modelData.title
                        }
                        Text {
                            width: parent.width - 212
                            font.family: Fonts.openSans
                            font.pixelSize: Fonts.body
                            color: Colors.black
                            wrapMode: Text.WordWrap
                            text: modelData.value
                        }
                    }
                }
            }
        }
    }
}
