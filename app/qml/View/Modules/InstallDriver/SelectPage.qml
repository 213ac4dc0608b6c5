import QtQuick 2.15
import "../../../Style"
import "../../Elements"
import "../../Dialogs"

// The devices a search found updates for, or the completion page when none.
Item {
    id: select
    property string aCategory: ""
    property QtObject result: null
    property var devices: []
    // The disclaimer is shown before the first installation of this page's life only.
    property bool disclaimerPending: true
    signal installRequested()
    signal backRequested()
    signal autorunRequested()
    signal finishRequested()
    signal retryRequested()
    readonly property bool failed: result ? result.error : false

    function load(model) {
        result = model ? model : null
        devices = model ? model.devices : []
    }
    function pressInstall() {
        if (disclaimerPending) {
            disclaimer.open()
            return
        }
        startInstall()
    }
    function startInstall() {
        tracker.sendEvent(aCategory, "Click", "Install-button")
        installRequested()
    }
    // Brings the first device with a choice of drivers to the top.
    function showAlternatives() {
        for (var i = 0; i < devices.length; ++i) {
            if (devices[i].drivers.length > 1) {
                deviceList.positionViewAtIndex(i, ListView.Beginning)
                return
            }
        }
    }
    function expandAll() {
        for (var i = 0; i < deviceList.count; ++i) {
            var row = deviceList.itemAtIndex(i)
            if (row)
                row.expanded = true
        }
    }

    Item {
        id: found
        anchors.fill: parent
        anchors.margins: 24
        anchors.topMargin: 16
        visible: select.devices.length > 0

        Text {
            id: header
            objectName: "updatesFoundHeader"
            anchors.left: parent.left
            anchors.right: selectAll.left
            anchors.verticalCenter: installButton.verticalCenter
            font.family: Fonts.raleway
            font.pixelSize: Fonts.title
            color: Colors.black
            // Long translations shrink before they elide, so the count stays in view.
            fontSizeMode: Text.HorizontalFit
            minimumPixelSize: 14
            elide: Text.ElideRight
            text: qsTr("UpdatesFoundHeader") + " " + select.devices.length
        }
        SCheckBox {
            id: selectAll
            objectName: "selectAllCheck"
            anchors.right: installButton.left
            anchors.rightMargin: 20
            anchors.verticalCenter: installButton.verticalCenter
            text: qsTr("SelectAllCheckbox")
            aCategory: select.aCategory
            aAction: "Select-all-checkbox"
            checked: select.result ? select.result.selectAll : false
            onToggled: select.result.selectAll = checked
        }
        PrimaryButton {
            id: installButton
            objectName: "installButton"
            anchors.top: parent.top
            anchors.right: parent.right
            text: qsTr("InstallDriversButton")
            enabled: select.result ? !select.result.noSelect : false
            onClicked: select.pressInstall()
        }

        ListView {
            id: deviceList
            objectName: "deviceList"
            anchors.top: installButton.bottom
            anchors.topMargin: 16
            anchors.left: parent.left
            anchors.right: parent.right
            anchors.bottom: footer.top
            anchors.bottomMargin: 12
            clip: true
            spacing: 6
            boundsBehavior: Flickable.StopAtBounds
            model: select.devices
            delegate: DeviceRow {
                width: deviceList.width
                number: index + 1
                device: modelData
                aCategory: select.aCategory
            }
        }

        Item {
            id: footer
            anchors.left: parent.left
            anchors.right: parent.right
            anchors.bottom: parent.bottom
            height: backButton.height
            SecondButton {
                id: backButton
                objectName: "backButton"
                anchors.left: parent.left
                text: qsTr("BackButton")
                aCategory: select.aCategory
                aLabel: "Back-button"
                onClicked: select.backRequested()
            }
            Text {
                id: differ
                anchors.left: backButton.right
                anchors.leftMargin: 20
                anchors.right: parent.right
                anchors.verticalCenter: parent.verticalCenter
                font.family: Fonts.openSans
                font.pixelSize: Fonts.small
                color: Colors.gray_3
                wrapMode: Text.WordWrap
                maximumLineCount: 2
                elide: Text.ElideRight
                text: qsTr("ScanDifferFooter")
                rightPadding: riskLink.width + 8
                Hyperlink {
                    id: riskLink
                    anchors.right: parent.right
                    anchors.bottom: parent.bottom
                    font.pixelSize: Fonts.small
                    text: qsTr("RiskLink")
                    link: publicUrls["user_agreement"] || ""
                    aCategory: select.aCategory
                    aLabel: "Risks"
                }
            }
        }
    }

    SearchFailed {
        objectName: "searchFailed"
        anchors.fill: parent
        visible: select.devices.length === 0 && select.failed
        onRetryRequested: select.retryRequested()
        onBackRequested: select.backRequested()
    }

    SearchComplete {
        objectName: "searchComplete"
        anchors.fill: parent
        visible: select.devices.length === 0 && !select.failed
        onAutorunRequested: select.autorunRequested()
        onFinishRequested: select.finishRequested()
    }

    Dialog {
        id: disclaimer
        objectName: "disclaimerDialog"
        aCategory: "Disclaimer"
        layout: Component {
            NoSignDriversLayout {
                onClose: disclaimer.close()
                onNext: {
                    select.disclaimerPending = false
                    disclaimer.close()
                    select.startInstall()
                }
            }
        }
    }
}
