import QtQuick 2.15
import QtQuick.Controls 2.15
import "../../../Style"
import "../../Elements"

// Rows of saved or found drivers: name and category, a type or a status beside them.
ListView {
    id: list
    property bool followEnd: false
    // "type": the row's type text; "status": the install status of the row.
    property string side: ""
    clip: true
    spacing: 1
    boundsBehavior: Flickable.StopAtBounds
    ScrollBar.vertical: ScrollBar {}
    onCountChanged: if (followEnd) positionViewAtEnd()

    delegate: Rectangle {
        width: list.width
        height: 48
        color: Colors.gray_9
        Column {
            anchors.left: parent.left
            anchors.leftMargin: 12
            anchors.right: sideText.left
            anchors.rightMargin: 12
            anchors.verticalCenter: parent.verticalCenter
            Text {
                width: parent.width
                font.family: Fonts.openSans
                font.pixelSize: Fonts.body
                color: Colors.black
                elide: Text.ElideRight
                text: list.side === "status" ? modelData.name : (modelData.driver ? modelData.driver.name : "")
            }
            Text {
                width: parent.width
                visible: list.side !== "status"
                font.family: Fonts.openSans
                font.pixelSize: Fonts.small
                color: Colors.gray_3
                elide: Text.ElideRight
                text: modelData.driver ? modelData.driver.category : ""
            }
        }
        Text {
            id: sideText
            anchors.right: parent.right
            anchors.rightMargin: 12
            anchors.verticalCenter: parent.verticalCenter
            font.family: Fonts.openSans
            font.pixelSize: Fonts.small
            color: Colors.gray_2
            text: list.side === "type" ? modelData.type
                : list.side === "status" ? list.statusText(modelData.state.status)
                : ""
        }
    }

    function statusText(status) {
        switch (status) {
        case 1: return qsTr("DriverWaitInLineStatus")
        case 3: return qsTr("Unpacking")
        case 2: return qsTr("DriverDownloadStatus")
        case 4: return qsTr("DriverInstallStatus")
        case 5: return qsTr("DriverInstallCompleteStatus")
        case 6: return qsTr("DriverInstallErrorStatus")
        default: return qsTr("DriverWaitInstallStatus")
        }
    }
}
