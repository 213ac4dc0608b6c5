import QtQuick 2.15
import "../../Style"
import "../Elements"
import "Recovery"

// The recovery points, newest last; each can be rolled back once.
ModulePage {
    id: page
    objectName: "recoveryPage"
    aCategory: "Recovery-screen"
    readonly property QtObject manager: module ? module.recoveryManager : null
    readonly property var points: manager ? manager.recoveryList : []
    state: points.length === 0 ? "Empty" : "HasElement"
    states: [
        State { name: "Empty" },
        State { name: "HasElement" }
    ]

    function recover(point) {
        tracker.sendEvent(aCategory, aClick, "Recovery-button")
        manager.recovery(point)
    }

    function expandAll() {
        changes.expandAll()
    }

    ChangeList {
        id: changes
        anchors.fill: parent
        header: qsTr("RecoveryHeader")
        emptyMessage: qsTr("RecoveryEmptyMessage")
        model: page.points
        row: Component {
            ChangeRow {
                id: row
                readonly property QtObject point: parent.entry
                readonly property string status: point && point.state ? point.state.statusText : ""
                number: parent.number
                changes: point ? point.changes : null
                aCategory: page.aCategory
                expandLabel: "Expand-recovery"
                onStatusChanged: {
                    if (status === "Error")
                        tracker.sendEvent(page.aCategory, "Not-recovered", "")
                }

                ThinButton {
                    objectName: "recoveryButton"
                    visible: row.status === "Normal"
                    y: (row.headHeight - height) / 2
                    text: qsTr("RestoreButton")
                    onClicked: page.recover(row.point)
                }
                Text {
                    objectName: "recoveryStatus"
                    visible: row.status !== "Normal"
                    width: 110
                    height: row.headHeight
                    verticalAlignment: Text.AlignVCenter
                    horizontalAlignment: Text.AlignRight
                    font.family: Fonts.openSans
                    font.pixelSize: Fonts.small
                    color: row.status === "Error" ? Colors.driver_text_red
                         : row.status === "Complete" ? Colors.green_6 : Colors.gray_2
                    elide: Text.ElideRight
                    text: row.status === "Waiting" || row.status === "Download" ? qsTr("WaitInstallBackup")
                        : row.status === "Unpacking" ? qsTr("Unpacking")
                        : row.status === "Installation" ? qsTr("InstallBackup")
                        : row.status === "Complete" ? qsTr("InstallBackupSuccess")
                        : row.status === "Error" ? qsTr("InstallBackupError") : ""
                }
            }
        }
    }
}
