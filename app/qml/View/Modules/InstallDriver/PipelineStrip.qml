import QtQuick 2.15
import "../../../Style"

// The four steps of an update; the steps before the active one show as done.
Rectangle {
    id: strip
    property int activeStep: -1
    readonly property var steps: [qsTr("ScanningStep"), qsTr("SelectStep"),
                                  qsTr("DownloadInstallStep"), qsTr("CompleteStep")]
    visible: activeStep >= 0
    height: visible ? 56 : 0
    color: Colors.steel_9

    Row {
        anchors.centerIn: parent
        spacing: 0
        // Long step names in some languages would run past the page's edges.
        scale: Math.min(1, (strip.width - 24) / Math.max(1, implicitWidth))
        Repeater {
            model: strip.steps.length
            delegate: Row {
                id: step
                objectName: "step" + index
                readonly property bool done: index < strip.activeStep
                readonly property bool active: index === strip.activeStep
                spacing: 10
                Rectangle {
                    visible: index > 0
                    width: 40
                    height: 2
                    anchors.verticalCenter: parent.verticalCenter
                    color: step.done || step.active ? Colors.cyan_4 : Colors.gray_6
                }
                Rectangle {
                    width: 26
                    height: 26
                    radius: 13
                    anchors.verticalCenter: parent.verticalCenter
                    color: step.done ? Colors.cyan_4 : step.active ? Colors.white : Colors.gray_8
                    border.width: step.active ? 2 : 0
                    border.color: Colors.cyan_4
                    Image {
                        anchors.centerIn: parent
                        visible: step.done
                        source: "../../../Resources/Images/Elements/check.svg"
                        sourceSize: Qt.size(14, 14)
                    }
                    Text {
                        anchors.centerIn: parent
                        visible: !step.done
                        text: index + 1
                        font.family: Fonts.openSans
                        font.pixelSize: Fonts.small
                        color: step.active ? Colors.cyan_4 : Colors.gray_3
                    }
                }
                Text {
                    anchors.verticalCenter: parent.verticalCenter
                    text: strip.steps[index]
                    font.family: Fonts.openSans
                    font.pixelSize: Fonts.body
                    font.bold: step.active
                    color: step.active ? Colors.black : step.done ? Colors.cyan_4 : Colors.gray_3
                }
                Item {
                    width: 10
                    height: 1
                }
            }
        }
    }
}
