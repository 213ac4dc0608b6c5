import QtQuick 2.15
import "../../Style"
import "../Elements"

ModulePage {
    id: page
    aCategory: "About-screen"

    component AboutLink: Hyperlink {
        property string key: ""
        link: publicUrls[key] || ""
        aCategory: page.aCategory
    }

    StyledScrollView {
        anchors.fill: parent
        contentWidth: availableWidth

        Column {
            width: parent.width
            padding: 40
            spacing: 18

            Row {
                spacing: 20
                Image {
                    source: "../../Resources/Images/logo.svg"
                    sourceSize: Qt.size(80, 80)
                }
                Column {
                    anchors.verticalCenter: parent.verticalCenter
                    spacing: 4
                    Text {
                        font.family: Fonts.raleway
                        font.pixelSize: 34
                        color: Colors.black
                        textFormat: Text.StyledText
                        text: "Quillon" + "<font color=\"" + Colors.cyan_4 + "\">" + "Pro" + "</font>"
                    }
                    Text {
                        objectName: "versionText"
                        font.family: Fonts.openSans
                        font.pixelSize: Fonts.body
                        color: Colors.gray_3
                        text: qsTr("Version") + " " + (page.module ? page.module.version : "")
                    }
                }
            }

            Text {
                width: Math.min(parent.width - 80, 640)
                font.family: Fonts.openSans
                font.pixelSize: Fonts.body
                lineHeight: 1.25
                color: Colors.gray_1
                wrapMode: Text.WordWrap
                text: qsTr("AppDescription")
            }

            Rectangle {
                width: Math.min(parent.width - 80, 640)
                height: 1
                color: Colors.gray_8
            }

            Grid {
                columns: 2
                columnSpacing: 48
                rowSpacing: 12
                AboutLink { objectName: "policyLink"; key: "privacy_policy"; aLabel: "Privacy-policy"; text: qsTr("PolicyLink") }
                AboutLink { objectName: "contactLink"; key: "contacts"; aLabel: "Contacts"; text: qsTr("ContactLink") }
                AboutLink { objectName: "agreementLink"; key: "user_agreement"; aLabel: "EULA"; text: qsTr("UserAgreementLink") }
                AboutLink { objectName: "deleteLink"; key: "how_to_delete"; aLabel: "How-to-delete"; text: qsTr("HowDeleteLink") }
                AboutLink { objectName: "riskLink"; key: "user_agreement"; aLabel: "Risks"; text: qsTr("RiskLink") }
                AboutLink { objectName: "refundLink"; key: "refund_policy"; aLabel: "Refund-policy"; text: qsTr("RefundPolicyLink") }
            }
        }
    }
}
