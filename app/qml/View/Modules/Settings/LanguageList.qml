import QtQuick 2.15
import QtQuick.Controls 2.15
import "../../../Style"
import "../../Elements"

// The languages, one a row; the current row is the module's choice.
Rectangle {
    id: box
    property var languages: []
    property int currentIndex: -1
    signal chosen(int index)

    // Set after the rows exist: a current row given before the model is lost.
    function syncCurrent() {
        list.currentIndex = box.currentIndex
        if (list.height > 0 && list.currentIndex >= 0)
            list.positionViewAtIndex(list.currentIndex, ListView.Center)
    }
    onCurrentIndexChanged: syncCurrent()

    color: Colors.white
    border.width: 1
    border.color: Colors.gray_7
    radius: 3

    ListView {
        id: list
        objectName: "languageList"
        anchors.fill: parent
        anchors.margins: 1
        clip: true
        model: box.languages
        currentIndex: -1
        onCountChanged: box.syncCurrent()
        boundsBehavior: Flickable.StopAtBounds
        ScrollBar.vertical: ScrollBar {
            policy: list.contentHeight > list.height ? ScrollBar.AsNeeded : ScrollBar.AlwaysOff
            contentItem: Rectangle {
                implicitWidth: 6
                radius: 3
                color: Colors.gray_5
            }
        }
        delegate: Rectangle {
            id: row
            readonly property bool current: ListView.isCurrentItem
            width: ListView.view.width
            height: 32
            // Alternate rows are tinted so that a long list stays readable.
            color: current ? Colors.cyan_4 : area.containsMouse ? Colors.steel_8
                 : index % 2 ? Colors.gray_9 : Colors.white
            Text {
                anchors.left: parent.left
                anchors.leftMargin: 14
                anchors.right: mark.left
                anchors.verticalCenter: parent.verticalCenter
                font.family: Fonts.openSans
                font.pixelSize: Fonts.body
                color: row.current ? Colors.white : Colors.black
                elide: Text.ElideRight
                text: modelData
            }
            Image {
                id: mark
                anchors.right: parent.right
                anchors.rightMargin: 14
                anchors.verticalCenter: parent.verticalCenter
                source: "../../../Resources/Images/Elements/check.svg"
                sourceSize: Qt.size(14, 14)
                visible: row.current
            }
            MouseArea {
                id: area
                anchors.fill: parent
                hoverEnabled: true
                onClicked: box.chosen(index)
            }
        }
        Component.onCompleted: box.syncCurrent()
        onHeightChanged: box.syncCurrent()
    }
}
