import QtQuick 2.15
import "../../Style"
import "../Elements"

DialogLayout {
    id: layout
    signal close()
    signal next()

    aCategory: "Disclaimer"
    closeLabel: "Close-button"
    iconSource: "../../Resources/Images/Dialogs/warning.svg"
    title: qsTr("NoSignTitle")
    message: qsTr("NoSignInfo") + "<br><br>" + qsTr("NoSignEpilog")
    onCloseClicked: layout.close()

    SecondButton {
        readonly property string link: publicUrls["non-whql"] || ""
        text: qsTr("DetailButton")
        enabled: link !== ""
        onClicked: Qt.openUrlExternally(link)
    }
    PrimaryButton {
        objectName: "disclaimerContinueButton"
        text: qsTr("NoSignContinueButton")
        aCategory: "Disclaimer"
        aLabel: "Continue"
        onClicked: layout.next()
    }
}
