import QtQuick 2.15
import "../Elements"

DialogLayout {
    id: layout
    signal restartLater()
    signal restartNow()

    aCategory: "Restart-screen"
    iconSource: "../../Resources/Images/Dialogs/restart.svg"
    title: qsTr("NeedRestartSettingsTitle")
    message: qsTr("NeedRestartSettingsMessage")
    onCloseClicked: layout.restartLater()

    SecondButton {
        text: qsTr("RestartLaterButton")
        aCategory: layout.aCategory
        aLabel: "Latter-button"
        onClicked: layout.restartLater()
    }
    PrimaryButton {
        text: qsTr("RestartNowButton")
        aCategory: layout.aCategory
        aLabel: "Now-button"
        onClicked: layout.restartNow()
    }
}
