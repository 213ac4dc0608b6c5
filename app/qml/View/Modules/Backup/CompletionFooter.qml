import QtQuick 2.15
import "../../../Style"
import "../../Elements"

// The end of a backup or a restore: offer a scan for updates, or go back. The text stands
// above the buttons so that no language pushes a button out of the page.
Column {
    id: footer
    property string aCategory: ""
    signal scanRequested()
    signal doneRequested()
    spacing: 16

    Text {
        width: footer.width
        wrapMode: Text.WordWrap
        font.family: Fonts.openSans
        font.pixelSize: Fonts.body
        color: Colors.black
        text: qsTr("BackupCompleteText")
    }
    Row {
        spacing: 16
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
}
