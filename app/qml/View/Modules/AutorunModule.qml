import QtQuick 2.15
import QtQuick.Controls 2.15
import "../../Style"
import "../Elements"

ModulePage {
    id: page
    aCategory: "Autorun-screen"

    // The next run in bold where the text asks for it (%1 date, %2 time).
    function nextRunText(text, date, time) {
        return text.split("%1").join("<b>" + date + "</b>").split("%2").join("<b>" + time + "</b>")
    }

    // Sent by other pages (the drivers search's "ToAutorunButton").
    function launchInMonth() {
        monthly.checked = true
        page.module.taskType = 1
    }

    Column {
        anchors.fill: parent
        anchors.margins: 32
        spacing: 24

        Row {
            spacing: 32
            ButtonGroup { id: periods }
            ERadioButton {
                id: weekly
                objectName: "weeklySelect"
                text: qsTr("WeeklySelect")
                ButtonGroup.group: periods
                checked: page.module ? page.module.taskType === 0 : true
                onToggled: if (checked) page.module.taskType = 0
            }
            ERadioButton {
                id: monthly
                objectName: "monthlySelect"
                text: qsTr("MonthlySelect")
                ButtonGroup.group: periods
                checked: page.module ? page.module.taskType === 1 : false
                onToggled: if (checked) page.module.taskType = 1
            }
        }

        Row {
            spacing: 4
            Rectangle {
                width: 120
                height: 64
                radius: 4
                color: Colors.gray_9
                border.color: Colors.gray_7
                Text {
                    objectName: "newTime"
                    anchors.centerIn: parent
                    text: page.module ? page.module.newTime : ""
                    font.family: Fonts.openSans
                    font.pixelSize: Fonts.hero
                    color: Colors.black
                }
            }
            Column {
                anchors.verticalCenter: parent.verticalCenter
                IconButton {
                    objectName: "incTime"
                    width: 32
                    height: 32
                    iconSource: "../../Resources/Images/Buttons/arrow-up.svg"
                    iconColor: Colors.gray_2
                    hoverIconColor: Colors.cyan_4
                    hoverColor: Colors.gray_8
                    onClicked: page.module.incNewTime()
                }
                IconButton {
                    objectName: "decTime"
                    width: 32
                    height: 32
                    iconSource: "../../Resources/Images/Buttons/arrow-down.svg"
                    iconColor: Colors.gray_2
                    hoverIconColor: Colors.cyan_4
                    hoverColor: Colors.gray_8
                    onClicked: page.module.decNewTime()
                }
            }
        }

        SCheckBox {
            objectName: "enableCheck"
            width: parent.width
            text: qsTr("AutorunEnableCheckBox")
            checked: page.module ? page.module.needEnabled : true
            onToggled: page.module.needEnabled = checked
        }

        PrimaryButton {
            objectName: "saveButton"
            text: qsTr("SaveButton")
            aCategory: page.aCategory
            aLabel: "Save-button"
            onClicked: page.module.saveTaskState()
        }

        Rectangle {
            objectName: "nextRun"
            visible: page.module ? page.module.enabled : false
            width: nextRunText.implicitWidth + 32
            height: nextRunText.implicitHeight + 20
            radius: 4
            color: "#DBE1E0"
            Text {
                id: nextRunText
                objectName: "nextRunText"
                anchors.centerIn: parent
                textFormat: Text.StyledText
                text: page.module && page.module.enabled
                      ? page.nextRunText(qsTr("AutosaveStartDesc"), page.module.nextDate,
                                         page.module.nextTime)
                      : ""
                font.family: Fonts.openSans
                font.pixelSize: Fonts.body
                color: Colors.black
            }
        }
    }
}
