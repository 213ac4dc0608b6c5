import QtQuick 2.15
import "../../../Style"
import "../../Elements"

// The end of a backup or a restore: offer a scan for updates, or go back.
Row {
    id: footer
    property string aCategory: ""
    signal scanRequested()
    signal doneRequested()
    spacing: 16

    Text {
        anchors.verticalCenter: parent.verticalCenter
        font.family: Fonts.openSans
        font.pixelSize: Fonts.body
        color: Colors.black
        text: qsTr("BackupCompleteText")
    }
    PrimaryButton {
        objectName: "backupScanNowButton"
        text: qsTr("ScanNowButton")
        aCategory: footer.aCategory
        aLabel: "Scan-button"
        onClicked: footer.scanRequested()
    }
    SecondButton {
        objectName: "backupCompleteButton"
        text: qsTr("BackupCompleteButton")
        onClicked: footer.doneRequested()
    }
}
