import QtQuick 2.15
import "../../../Style"
import "../../Elements"

// What a scan does, the backup offer and the scan button.
Item {
    id: start
    property string aCategory: ""
    signal scanRequested()
    signal backupRequested()

    property alias backupChecked: backupCheck.checked

    function pressScan() {
        if (backupCheck.checked) {
            backupCheck.checked = false
            start.backupRequested()
            return
        }
        tracker.sendEvent(aCategory, "Click", "Scan-button")
        start.scanRequested()
    }

    Column {
        anchors.centerIn: parent
        width: Math.min(parent.width - 64, 560)
        spacing: 18

        Image {
            anchors.horizontalCenter: parent.horizontalCenter
            source: "../../../Resources/Images/Elements/shield.svg"
            sourceSize: Qt.size(72, 72)
        }
        Text {
            width: parent.width
            horizontalAlignment: Text.AlignHCenter
            font.family: Fonts.raleway
            font.pixelSize: Fonts.hero
            color: Colors.black
            wrapMode: Text.WordWrap
            text: qsTr("StartScanTitle")
        }
        Grid {
            anchors.horizontalCenter: parent.horizontalCenter
            columns: 2
            columnSpacing: 32
            rowSpacing: 10
            Repeater {
                model: [qsTr("UpdateOldDesc"), qsTr("FindNewDesc"), qsTr("AutoInstallDesc"),
                        qsTr("RegularDesc")]
                delegate: Row {
                    spacing: 8
                    Rectangle {
                        width: 18
                        height: 18
                        radius: 9
                        color: Colors.green_5
                        anchors.verticalCenter: parent.verticalCenter
                        Image {
                            anchors.centerIn: parent
                            source: "../../../Resources/Images/Elements/check.svg"
                            sourceSize: Qt.size(12, 12)
                        }
                    }
                    Text {
                        width: 230
                        font.family: Fonts.openSans
                        font.pixelSize: Fonts.body
                        color: Colors.gray_1
                        wrapMode: Text.WordWrap
                        text: modelData
                    }
                }
            }
        }
        Row {
            anchors.horizontalCenter: parent.horizontalCenter
            spacing: 12
            SCheckBox {
                id: backupCheck
                objectName: "backupCheck"
                text: qsTr("CreateBackupCheckBox")
                aCategory: start.aCategory
                aAction: "Backup-checkbox"
            }
            Hyperlink {
                anchors.verticalCenter: parent.verticalCenter
                text: qsTr("BackupDetailLink")
                link: publicUrls["what-is-backup"] || ""
                aCategory: start.aCategory
                aLabel: "What-is-backup"
            }
        }
        PrimaryButton {
            objectName: "scanButton"
            anchors.horizontalCenter: parent.horizontalCenter
            implicitWidth: 220
            implicitHeight: 48
            font.pixelSize: Fonts.large
            text: qsTr("ScanNowButton")
            onClicked: start.pressScan()
        }
    }
}
