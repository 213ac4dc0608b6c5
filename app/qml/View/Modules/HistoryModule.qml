import QtQuick 2.15
import "../../Style"
import "../Elements"
import "Recovery"

// Every driver change made so far, oldest first.
ModulePage {
    id: page
    objectName: "historyPage"
    aCategory: "Installation-history-screen"
    readonly property QtObject manager: module ? module.recoveryManager : null
    readonly property var entries: manager ? manager.history : []
    state: entries.length === 0 ? "Empty" : "HasElement"
    states: [
        State { name: "Empty" },
        State { name: "HasElement" }
    ]

    function expandAll() {
        changes.expandAll()
    }

    ChangeList {
        id: changes
        anchors.fill: parent
        header: qsTr("HistoryHeader")
        emptyMessage: qsTr("EmptyHistoryMessage")
        model: page.entries
        row: Component {
            ChangeRow {
                number: parent.number
                changes: parent.entry
                aCategory: page.aCategory
                expandLabel: "Expand-downloaded-driver"
            }
        }
    }
}
