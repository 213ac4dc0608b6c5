import QtQuick 2.15
import "../Elements"

DialogLayout {
    id: layout
    signal rebootLater()
    signal rebootNow()

    aCategory: "Reboot-screen"
    iconSource: "../../Resources/Images/Dialogs/reboot.svg"
    title: qsTr("NeedRebootSystemTitle")
    message: qsTr("NeedRebootSystemMessage")
    onCloseClicked: layout.rebootLater()

    SecondButton {
        text: qsTr("RebootLaterButton")
        aCategory: layout.aCategory
        aLabel: "Reboot-later"
        onClicked: layout.rebootLater()
    }
    PrimaryButton {
        text: qsTr("RebootNowButton")
        aCategory: layout.aCategory
        aLabel: "Reboot-now"
        onClicked: layout.rebootNow()
    }
}
