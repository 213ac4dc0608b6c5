import QtQuick 2.15
import "../../../Style"
import "../../Elements"

// One package of the installation: number, device name and where it stands.
Rectangle {
    id: row
    property int number: 0
    property QtObject item: null
    // Status values of the package: Normal, Waiting, Download, Unpacking, Installation,
    // Complete, Error.
    readonly property var statusTexts: [qsTr("DriverWaitInstallStatus"), qsTr("DriverWaitInLineStatus"),
                                        qsTr("DriverDownloadStatus"), qsTr("Unpacking"),
                                        qsTr("DriverInstallStatus"), qsTr("DriverInstallCompleteStatus"),
                                        qsTr("DriverInstallErrorStatus")]
    readonly property int status: item && item.state ? item.state.status : 0
    readonly property bool busy: status >= 2 && status <= 4

    height: 48
    radius: 4
    color: Colors.white
    border.width: 1
    border.color: busy ? Colors.cyan_5 : Colors.gray_7

    Text {
        id: numberText
        anchors.left: parent.left
        anchors.leftMargin: 16
        anchors.verticalCenter: parent.verticalCenter
        width: 28
        font.family: Fonts.openSans
        font.pixelSize: Fonts.body
        color: Colors.gray_3
        text: row.number
    }
    Text {
        anchors.left: numberText.right
        anchors.right: statusCell.left
        anchors.rightMargin: 12
        anchors.verticalCenter: parent.verticalCenter
        font.family: Fonts.openSans
        font.pixelSize: Fonts.body
        color: Colors.black
        elide: Text.ElideRight
        text: row.item ? row.item.name : ""
    }
    Row {
        id: statusCell
        anchors.right: parent.right
        anchors.rightMargin: 16
        anchors.verticalCenter: parent.verticalCenter
        spacing: 8
        LoadIndicator {
            anchors.verticalCenter: parent.verticalCenter
            visible: row.busy
            running: row.busy
            width: 16
            height: 16
        }
        Text {
            objectName: "statusText"
            anchors.verticalCenter: parent.verticalCenter
            width: 170
            horizontalAlignment: Text.AlignRight
            font.family: Fonts.openSans
            font.pixelSize: Fonts.body
            font.bold: row.status === 5 || row.status === 6
            color: row.status === 5 ? Colors.green_4 : row.status === 6 ? Colors.red_4
                 : row.busy ? Colors.cyan_4 : Colors.gray_3
            elide: Text.ElideRight
            text: row.statusTexts[row.status] || ""
        }
    }
}
