import QtQuick 2.15
import QtQuick.Dialogs 1.3
import "../../Style"
import "../Elements"
import "../Dialogs"
import "Settings"

ModulePage {
    id: page
    aCategory: "Settings-screen"

    component SectionTitle: Text {
        font.family: Fonts.openSans
        font.pixelSize: Fonts.small
        font.capitalization: Font.AllUppercase
        font.letterSpacing: 1
        color: Colors.gray_3
        elide: Text.ElideRight
    }

    Item {
        id: content
        anchors.fill: parent
        anchors.margins: 32
        anchors.bottomMargin: 24

        SectionTitle {
            id: languageTitle
            width: languages.width
            text: qsTr("SettingsLanguageHeader")
        }
        LanguageList {
            id: languages
            objectName: "languages"
            anchors.top: languageTitle.bottom
            anchors.topMargin: 10
            anchors.bottom: buttons.top
            anchors.bottomMargin: 24
            width: 240
            languages: page.module ? page.module.languages : []
            currentIndex: page.module ? page.module.index : -1
            onChosen: {
                page.module.index = index
                currentIndex = index
            }
            Connections {
                target: page.module
                function onIndexChanged() {
                    languages.currentIndex = page.module.index
                }
            }
        }

        Column {
            id: options
            anchors.left: languages.right
            anchors.leftMargin: 40
            anchors.right: parent.right
            anchors.top: parent.top
            spacing: 12

            SectionTitle {
                width: parent.width
                text: qsTr("SettingsOptionsHeader")
            }
            SCheckBox {
                id: updatesCheck
                objectName: "updatesCheck"
                width: parent.width
                text: qsTr("UpdatesCheck")
                aCategory: page.aCategory
                aAction: "Check-updates"
                checked: page.module ? page.module.checkUpdates : false
                onToggled: page.module.checkUpdates = checked
            }
            SCheckBox {
                id: systemCheck
                objectName: "systemCheck"
                width: parent.width
                text: qsTr("SystemDriverCheck")
                aCategory: page.aCategory
                aAction: "Check-system-devices"
                checked: page.module ? page.module.checkSystemDevices : false
                onToggled: page.module.checkSystemDevices = checked
            }
            Item { width: 1; height: 12 }
            SectionTitle {
                width: parent.width
                text: qsTr("SettingsDownloadDirHeader")
            }
            PathSelector {
                id: pathSelector
                objectName: "downloadDir"
                width: parent.width
                text: page.module ? page.module.downloadDir : ""
                valid: page.module ? page.module.isValidDownloadDir : true
                buttonText: qsTr("BrowseButton")
                onEdited: page.module.downloadDir = path
                onBrowse: {
                    folderDialog.active = true
                    folderDialog.item.folder = page.module.downloadUrl
                    folderDialog.item.open()
                }
            }
            Text {
                width: parent.width
                visible: !pathSelector.valid
                font.family: Fonts.openSans
                font.pixelSize: Fonts.small
                color: Colors.red_4
                wrapMode: Text.WordWrap
                text: qsTr("InvalidDirText")
            }
        }

        Row {
            id: buttons
            anchors.left: parent.left
            anchors.bottom: parent.bottom
            spacing: 12
            PrimaryButton {
                objectName: "saveButton"
                text: qsTr("SaveSettingsButton")
                aCategory: page.aCategory
                aLabel: "Save-button"
                onClicked: {
                    page.module.saveSettings()
                    restartDialog.open()
                }
            }
            SecondButton {
                objectName: "defaultButton"
                text: qsTr("DefaultSettingsButton")
                aCategory: page.aCategory
                aLabel: "Default-button"
                onClicked: page.module.resetSettings()
            }
        }
    }

    // Created on first use: where the system has no native folder dialog, the
    // stand-in is a heavy QML window of its own.
    Loader {
        id: folderDialog
        active: false
        sourceComponent: FileDialog {
            title: qsTr("ChooseDirDesc")
            selectFolder: true
            onAccepted: page.module.downloadUrl = fileUrl
        }
    }

    Dialog {
        id: restartDialog
        objectName: "restartDialog"
        aCategory: "Restart-screen"
        layout: Component {
            SettingsRestartLayout {
                onRestartNow: {
                    restartDialog.close()
                    page.module.restart()
                }
                onRestartLater: restartDialog.close()
            }
        }
    }
}
