import QtQuick 2.15
import "../../Style"
import "../Elements"
import "InstallDriver"

// The drivers page: start, scan, select, install, each a state of this root.
ModulePage {
    id: page
    objectName: "driversPage"
    state: isAvailableServer ? "START" : "NOT_AVAILABLE"
    // Set when an installation has run to its end; the strip then shows its last step.
    property bool installComplete: false

    readonly property var screens: ({
        "START": "Drivers-start-scan-screen",
        "SCAN": "Drivers-scan-screen",
        "SELECT": "Drivers-select-screen",
        "INSTALL": "Drivers-install-screen"
    })
    aCategory: screens[state] || ""

    states: [
        State { name: "START" },
        State { name: "SCAN" },
        State { name: "SELECT" },
        State { name: "INSTALL" },
        State { name: "NOT_AVAILABLE" }
    ]

    // Checked unless the backup module says its backup exists; a program
    // without a backup module has nothing to offer here.
    Component.onCompleted: startPage.backupChecked = page.readModuleProperty("backup", "isExists") === false

    // From the state itself: the aCategory binding may not have followed yet.
    onStateChanged: {
        var screen = screens[state] || ""
        if (show && screen !== "")
            tracker.sendAppView(screen)
    }

    function scan() {
        installComplete = false
        // The rows belong to the result the new scan discards.
        selectPage.load(null)
        state = "SCAN"
        module.beginScan()
    }
    // Sent by the backup module once its backup is made.
    function startScan() {
        if (state === "START" || state === "SELECT")
            scan()
    }
    function backToStart() {
        installComplete = false
        state = "START"
    }

    Connections {
        target: page.module ? page.module.finder : null
        function onFinished(aborted) {
            if (aborted || page.state !== "SCAN")
                return
            selectPage.load(page.module.result)
            page.state = "SELECT"
        }
    }

    PipelineStrip {
        id: strip
        objectName: "pipelineStrip"
        anchors.top: parent.top
        anchors.left: parent.left
        anchors.right: parent.right
        activeStep: page.state === "SCAN" ? 0
                  : page.state === "SELECT" ? 1
                  : page.state === "INSTALL" ? (page.installComplete ? 3 : 2)
                  : -1
    }

    Item {
        id: pages
        anchors.top: strip.visible ? strip.bottom : parent.top
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.bottom: parent.bottom

        StartPage {
            id: startPage
            objectName: "startPage"
            anchors.fill: parent
            visible: page.state === "START"
            aCategory: page.screens["START"]
            onScanRequested: page.scan()
            onBackupRequested: page.showModule("backup")
        }
        ScanPage {
            id: scanPage
            objectName: "scanPage"
            anchors.fill: parent
            visible: page.state === "SCAN"
            aCategory: page.screens["SCAN"]
            module: page.module
            onCancelRequested: {
                page.backToStart()
                page.module.stopScan()
            }
        }
        SelectPage {
            id: selectPage
            objectName: "selectPage"
            anchors.fill: parent
            visible: page.state === "SELECT"
            aCategory: page.screens["SELECT"]
            onInstallRequested: {
                installPage.restart()
                page.state = "INSTALL"
                page.module.install()
            }
            onBackRequested: page.backToStart()
            onAutorunRequested: page.sendCommand("autorun", "launchInMonth")
            onFinishRequested: window.exit()
            onRetryRequested: page.scan()
        }
        InstallPage {
            id: installPage
            objectName: "installPage"
            anchors.fill: parent
            visible: page.state === "INSTALL"
            active: page.state === "INSTALL"
            aCategory: page.screens["INSTALL"]
            module: page.module
            onCancelRequested: {
                page.backToStart()
                page.module.installAbort()
            }
            onCompleteRequested: page.backToStart()
            onCompleted: page.installComplete = true
        }
        NoConnectPanel {
            anchors.fill: parent
            visible: page.state === "NOT_AVAILABLE"
        }
    }
}
