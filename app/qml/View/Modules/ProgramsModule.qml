import QtQuick 2.15
import QtGraphicalEffects 1.15
import "../../Style"
import "../Elements"

ModulePage {
    id: page
    aCategory: "Useful-programs-screen"

    readonly property var programs: [
        { label: "Recovery", title: qsTr("RecoveryProgram"), util: "control.exe", arg: "/name Microsoft.Recovery", icon: "recovery" },
        { label: "Programs-features", title: qsTr("ProgramsFeaturesProgram"), util: "control.exe", arg: "/name Microsoft.ProgramsAndFeatures", icon: "features" },
        { label: "System", title: qsTr("SystemProgram"), util: "control.exe", arg: "/name Microsoft.System", icon: "system" },
        { label: "Display-settings", title: qsTr("DisplaySettingsProgram"), util: "control.exe", arg: "desk.cpl", icon: "display" },
        { label: "Power-supply", title: qsTr("PowerSupplyProgram"), util: "control.exe", arg: "/name Microsoft.PowerOptions", icon: "power" },
        { label: "Network-sharing", title: qsTr("NetworkProgram"), util: "control.exe", arg: "ncpa.cpl", icon: "network" },
        { label: "Computer-managment", title: qsTr("ComputerManagementProgram"), util: "mmc.exe", arg: "compmgmt.msc", icon: "computer" },
        { label: "Control-panel", title: qsTr("ControlPanelProgram"), util: "control.exe", arg: "", icon: "control" },
        { label: "Disk-managment", title: qsTr("DiskManagementProgram"), util: "mmc.exe", arg: "diskmgmt.msc", icon: "disk" },
        { label: "Task-manager", title: qsTr("TaskManagerProgram"), util: "taskmgr.exe", arg: "", icon: "tasks" },
        { label: "Command-line", title: qsTr("CommandLineProgram"), util: "cmd.exe", arg: "", icon: "console" }
    ]

    function launch(row) {
        var program = programs[row]
        tracker.sendEvent(aCategory, aClick, program.label)
        module.launch(program.util, program.arg)
    }

    Text {
        id: intro
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.top: parent.top
        anchors.margins: 32
        anchors.bottomMargin: 0
        font.family: Fonts.openSans
        font.pixelSize: Fonts.body
        color: Colors.gray_2
        wrapMode: Text.WordWrap
        text: qsTr("ProgramsDescription")
    }

    GridView {
        id: grid
        objectName: "programGrid"
        anchors.top: intro.bottom
        anchors.topMargin: 20
        anchors.left: parent.left
        anchors.leftMargin: 32
        anchors.right: parent.right
        anchors.rightMargin: 20
        anchors.bottom: parent.bottom
        clip: true
        boundsBehavior: Flickable.StopAtBounds
        readonly property int columns: Math.max(2, Math.floor(width / 220))
        cellWidth: Math.floor(width / columns)
        cellHeight: 76
        model: page.programs.length
        delegate: Item {
            width: grid.cellWidth
            height: grid.cellHeight
            Rectangle {
                id: tile
                anchors.fill: parent
                anchors.rightMargin: 12
                anchors.bottomMargin: 12
                radius: 4
                color: area.containsMouse ? Colors.steel_9 : Colors.white
                border.width: 1
                border.color: area.containsMouse ? Colors.cyan_5 : Colors.gray_7
                Rectangle {
                    id: badge
                    anchors.left: parent.left
                    anchors.leftMargin: 12
                    anchors.verticalCenter: parent.verticalCenter
                    width: 40
                    height: 40
                    radius: 20
                    color: area.containsMouse ? Colors.cyan_4 : Colors.cyan_dull_2
                    Image {
                        anchors.centerIn: parent
                        source: "../../Resources/Images/Programs/" + page.programs[index].icon + ".svg"
                        sourceSize: Qt.size(20, 20)
                    }
                }
                Text {
                    anchors.left: badge.right
                    anchors.leftMargin: 12
                    anchors.right: parent.right
                    anchors.rightMargin: 10
                    anchors.verticalCenter: parent.verticalCenter
                    font.family: Fonts.openSans
                    font.pixelSize: Fonts.body
                    color: Colors.black
                    wrapMode: Text.WordWrap
                    maximumLineCount: 2
                    elide: Text.ElideRight
                    text: page.programs[index].title
                }
                MouseArea {
                    id: area
                    anchors.fill: parent
                    hoverEnabled: true
                    cursorShape: Qt.PointingHandCursor
                    onClicked: page.launch(index)
                }
            }
        }
    }
}
