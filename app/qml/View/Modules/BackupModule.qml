import QtQuick 2.15
import QtQuick.Controls 2.15
import Qt.labs.platform 1.0 as Platform
import "../../Style"
import "../Elements"
import "Backup"

// The backup page: save every driver into one file, or compare a file with the machine and
// restore the drivers that differ. Each step is a state of this root.
ModulePage {
    id: page
    objectName: "backupPage"
    aCategory: "Backup-screen"
    state: "START"
    readonly property QtObject model: module ? module.model : null

    states: [
        State { name: "START" },
        State { name: "CREATE" },
        State { name: "CREATED" },
        State { name: "SELECT" },
        State { name: "INSTALL" },
        State { name: "INSTALLED" }
    ]

    function finish(scan) {
        page.state = "START"
        if (scan)
            page.sendCommand("drivers", "startScan")
    }

    Connections {
        target: page.module ? page.module.creator : null
        function onFinished(aborted) {
            if (page.state === "CREATE")
                page.state = aborted ? "START" : "CREATED"
        }
    }
    Connections {
        target: page.module ? page.module.initiator : null
        function onFinished(aborted) {
            if (page.state !== "SELECT")
                return
            if (aborted) {
                page.state = "START"
                return
            }
            selectPage.state = page.model && page.model.backup.length > 0 ? "SELECT" : "NO_CHANGE"
        }
    }
    Connections {
        target: page.module ? page.module.installer : null
        function onFinished(aborted) {
            if (!aborted && page.state === "INSTALL")
                page.state = "INSTALLED"
        }
    }

    // The start page: where the file is, and what to do with it.
    Item {
        id: startPage
        objectName: "backupStartPage"
        anchors.fill: parent
        visible: page.state === "START"
        onVisibleChanged: {
            if (visible && page.module) {
                page.module.refreshFileInfo()
                tracker.sendAppView("Backup-file")
            }
        }

        Column {
            anchors.fill: parent
            anchors.margins: 32
            spacing: 20

            PathSelector {
                id: pathSelector
                objectName: "backupPath"
                width: parent.width
                text: page.module ? page.module.path : ""
                valid: page.module ? page.module.isValidPath : false
                buttonText: qsTr("BrowseButton")
                onEdited: page.module.path = path
                onBrowse: {
                    tracker.sendAppView("BackupAll-select")
                    saveDialog.folder = page.module.folder
                    saveDialog.currentFile = page.module.url
                    saveDialog.open()
                }
            }
            Row {
                spacing: 12
                PrimaryButton {
                    objectName: "createBackupButton"
                    text: qsTr("CreateBackupButton")
                    enabled: page.module ? page.module.isValidPath : false
                    aCategory: "Backup-file"
                    aLabel: "Create-button"
                    onClicked: {
                        page.state = "CREATE"
                        page.module.beginCreate()
                    }
                }
                SecondButton {
                    objectName: "installBackupButton"
                    text: qsTr("InstallBackupButton")
                    enabled: page.module ? page.module.isExists : false
                    aCategory: "Backup-file"
                    aLabel: "Install-button"
                    onClicked: {
                        selectPage.state = "SCAN"
                        page.state = "SELECT"
                        page.module.beginRead()
                    }
                }
            }
            Column {
                spacing: 8
                Hyperlink {
                    text: qsTr("WhatIsBackupLink")
                    link: publicUrls["what-is-backup"] || ""
                    aCategory: "Backup-file"
                    aLabel: "What"
                }
                Hyperlink {
                    text: qsTr("HowCreateBackupLink")
                    link: publicUrls["how-to-backup"] || ""
                    aCategory: "Backup-file"
                    aLabel: "HowCreate"
                }
                Hyperlink {
                    text: qsTr("HowUseBackupLink")
                    link: publicUrls["how-to-restore"] || ""
                    aCategory: "Backup-file"
                    aLabel: "UseBackup"
                }
            }
        }
    }

    // Creating, and created: the drivers packed so far, the newest at the end.
    Item {
        id: createPage
        objectName: "backupCreatePage"
        anchors.fill: parent
        visible: page.state === "CREATE" || page.state === "CREATED"

        Column {
            id: createHead
            anchors.top: parent.top
            anchors.left: parent.left
            anchors.right: parent.right
            anchors.margins: 32
            spacing: 16

            Row {
                width: parent.width
                spacing: 20
                visible: page.state === "CREATE"
                TaskProgress {
                    width: parent.width - createCancel.width - parent.spacing
                    task: page.module ? page.module.creator : null
                }
                CancelButton {
                    id: createCancel
                    objectName: "cancelCreateButton"
                    aCategory: page.aCategory
                    aLabel: "Cancel-create-button"
                    onClicked: page.module.stopCreate()
                }
            }
            Row {
                spacing: 16
                visible: page.state === "CREATED"
                Text {
                    anchors.verticalCenter: parent.verticalCenter
                    font.family: Fonts.raleway
                    font.pixelSize: Fonts.title
                    color: Colors.black
                    text: qsTr("BackupCreateTitle")
                }
                Hyperlink {
                    anchors.verticalCenter: parent.verticalCenter
                    text: qsTr("DetailButton")
                    link: publicUrls["what-is-backup"] || ""
                }
            }
            Text {
                font.family: Fonts.openSans
                font.pixelSize: Fonts.large
                color: Colors.black
                text: qsTr("BackupListTitle") + " " + (page.model ? page.model.packed.length : 0)
            }
        }
        DriverList {
            objectName: "packedList"
            anchors.top: createHead.bottom
            anchors.bottom: createFooter.top
            anchors.left: parent.left
            anchors.right: parent.right
            anchors.margins: 32
            followEnd: true
            model: page.model ? page.model.packed : []
        }
        CompletionFooter {
            id: createFooter
            anchors.left: parent.left
            anchors.right: parent.right
            anchors.bottom: parent.bottom
            anchors.margins: 32
            height: page.state === "CREATED" ? implicitHeight : 0
            visible: page.state === "CREATED"
            aCategory: page.aCategory
            onScanRequested: page.finish(true)
            onDoneRequested: page.finish(false)
        }
    }

    // Reading and checking, then the choice of drivers to restore.
    Item {
        id: selectPage
        objectName: "backupSelectPage"
        anchors.fill: parent
        visible: page.state === "SELECT"
        state: "SCAN"
        states: [
            State { name: "SCAN" },
            State { name: "SELECT" },
            State { name: "NO_CHANGE" }
        ]
        onVisibleChanged: if (visible) state = "SCAN"

        Row {
            anchors.top: parent.top
            anchors.left: parent.left
            anchors.right: parent.right
            anchors.margins: 32
            spacing: 20
            visible: selectPage.state === "SCAN"
            TaskProgress {
                width: parent.width - readCancel.width - parent.spacing
                task: page.module ? page.module.initiator : null
            }
            CancelButton {
                id: readCancel
                objectName: "cancelReadButton"
                aCategory: page.aCategory
                aLabel: "Cancel-read-button"
                onClicked: page.module.stopRead()
            }
        }

        Item {
            anchors.fill: parent
            anchors.margins: 32
            visible: selectPage.state === "SELECT"

            Column {
                id: selectHead
                width: parent.width
                spacing: 8
                Text {
                    font.family: Fonts.raleway
                    font.pixelSize: Fonts.title
                    color: Colors.black
                    text: qsTr("OldDriverList") + " " + (page.model ? page.model.backup.length : 0)
                }
                Text {
                    objectName: "backupFileName"
                    font.family: Fonts.openSans
                    font.pixelSize: Fonts.small
                    color: Colors.gray_3
                    text: qsTr("BackupFromFileText") + " " + (page.module ? page.module.fileName : "")
                }
                SCheckBox {
                    objectName: "selectAllBackup"
                    text: qsTr("SelectAllCheckbox")
                    checked: page.model ? page.model.selectAll : false
                    onClicked: page.model.selectAll = checked
                }
            }
            ListView {
                id: restorable
                objectName: "restorableList"
                anchors.top: selectHead.bottom
                anchors.topMargin: 8
                width: parent.width
                height: (parent.height - selectHead.height - selectButtons.height - 24) * 0.6
                clip: true
                spacing: 1
                model: page.model ? page.model.backup : []
                ScrollBar.vertical: ScrollBar {}
                delegate: Rectangle {
                    id: row
                    property bool expanded: false
                    width: restorable.width
                    height: rowHead.height + (expanded ? facts.height + 12 : 0)
                    color: Colors.gray_9
                    Row {
                        id: rowHead
                        spacing: 8
                        height: 48
                        SCheckBox {
                            anchors.verticalCenter: parent.verticalCenter
                            checked: modelData.select
                            onClicked: modelData.select = checked
                        }
                        Column {
                            anchors.verticalCenter: parent.verticalCenter
                            width: restorable.width - 120
                            Text {
                                width: parent.width
                                font.family: Fonts.openSans
                                font.pixelSize: Fonts.body
                                color: Colors.black
                                elide: Text.ElideRight
                                text: modelData.driver.name
                            }
                            Text {
                                width: parent.width
                                font.family: Fonts.openSans
                                font.pixelSize: Fonts.small
                                color: Colors.gray_3
                                elide: Text.ElideRight
                                text: modelData.driver.category
                            }
                        }
                        IconButton {
                            anchors.verticalCenter: parent.verticalCenter
                            width: 32
                            height: 32
                            iconSource: row.expanded ? "../../Resources/Images/Buttons/arrow-up.svg"
                                                     : "../../Resources/Images/Buttons/arrow-down.svg"
                            iconColor: Colors.gray_2
                            hoverIconColor: Colors.cyan_4
                            hoverColor: Colors.gray_8
                            onClicked: row.expanded = !row.expanded
                        }
                    }
                    Column {
                        id: facts
                        anchors.top: rowHead.bottom
                        anchors.left: parent.left
                        anchors.leftMargin: 44
                        width: parent.width - 56
                        visible: row.expanded
                        spacing: 4
                        Repeater {
                            model: [[qsTr("Version"), modelData.driver.version],
                                    [qsTr("VersionDate"), modelData.driver.date],
                                    [qsTr("Developer"), modelData.driver.provider]]
                            delegate: Text {
                                font.family: Fonts.openSans
                                font.pixelSize: Fonts.small
                                color: Colors.gray_2
                                text: modelData[0] + ": " + modelData[1]
                            }
                        }
                    }
                }
            }
            Text {
                id: othersTitle
                anchors.top: restorable.bottom
                anchors.topMargin: 12
                font.family: Fonts.openSans
                font.pixelSize: Fonts.large
                color: Colors.black
                text: qsTr("ValidDriverList")
            }
            DriverList {
                objectName: "othersList"
                anchors.top: othersTitle.bottom
                anchors.topMargin: 8
                anchors.bottom: selectButtons.top
                anchors.bottomMargin: 12
                width: parent.width
                side: "type"
                model: page.model ? page.model.others : []
            }
            Row {
                id: selectButtons
                anchors.bottom: parent.bottom
                spacing: 12
                PrimaryButton {
                    objectName: "installDriversButton"
                    text: qsTr("InstallDriversButton")
                    enabled: page.model ? !page.model.noSelect : false
                    onClicked: {
                        page.state = "INSTALL"
                        page.module.beginInstall()
                    }
                }
                SecondButton {
                    objectName: "backButton"
                    text: qsTr("BackButton")
                    onClicked: page.state = "START"
                }
            }
        }

        Column {
            anchors.fill: parent
            anchors.margins: 32
            spacing: 20
            visible: selectPage.state === "NO_CHANGE"
            Text {
                objectName: "noBackupDevices"
                width: parent.width
                wrapMode: Text.WordWrap
                font.family: Fonts.raleway
                font.pixelSize: Fonts.title
                color: Colors.black
                text: qsTr("NoBackupDevices")
            }
            Hyperlink {
                text: qsTr("DetailButton")
                link: publicUrls["how-to-restore"] || ""
            }
            CompletionFooter {
                width: parent.width
                aCategory: page.aCategory
                onScanRequested: page.finish(true)
                onDoneRequested: page.finish(false)
            }
            SecondButton {
                text: qsTr("BackButton")
                onClicked: page.state = "START"
            }
        }
    }

    // Restoring, and restored.
    Item {
        id: installPage
        objectName: "backupInstallPage"
        anchors.fill: parent
        visible: page.state === "INSTALL" || page.state === "INSTALLED"

        Column {
            id: installHead
            anchors.top: parent.top
            anchors.left: parent.left
            anchors.right: parent.right
            anchors.margins: 32
            spacing: 16
            Row {
                width: parent.width
                spacing: 20
                visible: page.state === "INSTALL"
                TaskProgress {
                    width: parent.width - installCancel.width - parent.spacing
                    task: page.module ? page.module.installer : null
                }
                CancelButton {
                    id: installCancel
                    objectName: "cancelInstallButton"
                    onClicked: {
                        page.module.stopInstall()
                        page.state = "START"
                    }
                }
            }
            Text {
                font.family: Fonts.raleway
                font.pixelSize: Fonts.title
                color: Colors.black
                text: page.state === "INSTALL" ? qsTr("BackupInstallTitle") : qsTr("BackupInstalledTitle")
            }
            Text {
                visible: page.state === "INSTALLED"
                font.family: Fonts.openSans
                font.pixelSize: Fonts.large
                color: Colors.black
                text: qsTr("InstalledBackupListTitle")
            }
        }
        DriverList {
            objectName: "installList"
            anchors.top: installHead.bottom
            anchors.bottom: installFooter.top
            anchors.left: parent.left
            anchors.right: parent.right
            anchors.margins: 32
            side: "status"
            model: page.model ? page.model.installList : []
        }
        CompletionFooter {
            id: installFooter
            anchors.left: parent.left
            anchors.right: parent.right
            anchors.bottom: parent.bottom
            anchors.margins: 32
            height: page.state === "INSTALLED" ? implicitHeight : 0
            visible: page.state === "INSTALLED"
            aCategory: page.aCategory
            onScanRequested: page.finish(true)
            onDoneRequested: page.finish(false)
        }
    }

    Platform.FileDialog {
        id: saveDialog
        fileMode: Platform.FileDialog.SaveFile
        defaultSuffix: "qlb"
        nameFilters: ["Drivers archive (*.qlb)"]
        onAccepted: page.module.url = file
    }
}
