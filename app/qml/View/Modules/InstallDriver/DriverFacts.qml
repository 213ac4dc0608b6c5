import QtQuick 2.15
import "../../../Style"

// Version, date and provider of one driver, label over value.
Column {
    id: facts
    property QtObject driver: null
    spacing: 6
    Repeater {
        model: [[qsTr("Version"), facts.driver ? facts.driver.version : ""],
                [qsTr("VersionDate"), facts.driver ? facts.driver.date : ""],
                [qsTr("Developer"), facts.driver ? facts.driver.provider : ""]]
        delegate: Column {
            width: facts.width
            Text {
                width: parent.width
                font.family: Fonts.openSans
                font.pixelSize: Fonts.small
                color: Colors.gray_3
                elide: Text.ElideRight
                text: modelData[0]
            }
            Text {
                width: parent.width
                font.family: Fonts.openSans
                font.pixelSize: Fonts.body
                color: Colors.black
                elide: Text.ElideRight
                text: modelData[1]
            }
        }
    }
}
