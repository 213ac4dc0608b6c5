import QtQuick 2.15
import "../../../Style"
import "../../Elements"

// The running installation, package by package, and its completion.
Item {
    id: install
    property string aCategory: ""
    property QtObject module: null
    // The drivers page is in its install state (visible may be false on another module).
    property bool active: false
    signal cancelRequested()
    signal completeRequested()
    // Emitted when the installation ran to its end without an abort.
    signal completed()
    readonly property var items: module ? module.installList : []

    state: "INSTALL"
    states: [
        State { name: "INSTALL" },
        State { name: "COMPLETE" }
    ]

    // Every new installation starts on the progress view.
    function restart() {
        state = "INSTALL"
    }

    Connections {
        target: install.module ? install.module.installer : null
        function onFinished(aborted) {
            if (aborted || !install.active)
                return
            install.state = "COMPLETE"
            install.completed()
        }
    }

    Item {
        id: head
        anchors.top: parent.top
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.margins: 24
        anchors.topMargin: 16
        height: cancel.height

        Text {
            objectName: "installHeader"
            anchors.left: parent.left
            anchors.right: install.state === "INSTALL" ? cancel.left : done.left
            anchors.rightMargin: 20
            anchors.verticalCenter: parent.verticalCenter
            font.family: Fonts.raleway
            font.pixelSize: Fonts.title
            color: Colors.black
            fontSizeMode: Text.HorizontalFit
            minimumPixelSize: 14
            elide: Text.ElideRight
            text: install.state === "INSTALL"
                  ? qsTr("InstallDriversHeader") + " " + install.items.length
                  : qsTr("InstallCompleteHeader")
        }
        CancelButton {
            id: cancel
            objectName: "installCancelButton"
            anchors.right: parent.right
            visible: install.state === "INSTALL"
            aCategory: install.aCategory
            aLabel: "Cancel-button"
            onClicked: install.cancelRequested()
        }
        PrimaryButton {
            id: done
            objectName: "installCompleteButton"
            anchors.right: parent.right
            visible: install.state === "COMPLETE"
            text: qsTr("CompleteButton")
            aCategory: install.aCategory
            aLabel: "Back-button"
            onClicked: install.completeRequested()
        }
    }

    ListView {
        id: list
        objectName: "installList"
        anchors.top: head.bottom
        anchors.topMargin: 16
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.bottom: parent.bottom
        anchors.leftMargin: 24
        anchors.rightMargin: 24
        anchors.bottomMargin: 24
        clip: true
        spacing: 6
        boundsBehavior: Flickable.StopAtBounds
        model: install.items
        delegate: InstallRow {
            width: list.width
            number: index + 1
            item: modelData
        }
    }
}
