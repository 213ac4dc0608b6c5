import QtQuick 2.15
import QtGraphicalEffects 1.15
import "../Style"

Rectangle {
    id: root
    property var selectModel: null
    property alias currentIndex: list.currentIndex
    color: Colors.cyan_dull_1

    function findModuleModel(name) {
        for (var i = 0; i < moduleList.length; ++i) {
            if (moduleList[i].name === name)
                return { "model": moduleList[i], "index": i }
        }
        return { "model": null, "index": -1 }
    }
    function showModule(name) {
        var found = findModuleModel(name)
        if (found.index >= 0)
            list.currentIndex = found.index
        return found.model
    }
    function readModuleProperty(name, prop) {
        var found = findModuleModel(name)
        return found.model ? found.model.module[prop] : undefined
    }
    function applyCurrent() {
        var entry = list.currentIndex >= 0 && list.currentIndex < moduleList.length
                ? moduleList[list.currentIndex] : null
        if (entry === selectModel)
            return
        if (selectModel)
            selectModel.unselect()
        if (entry)
            entry.select()
        selectModel = entry
    }

    ListView {
        id: list
        anchors.top: parent.top
        anchors.topMargin: 12
        anchors.left: parent.left
        anchors.right: parent.right
        height: Math.min(contentHeight, parent.height - 12 - (dbBlock.visible ? dbBlock.height : 0))
        interactive: contentHeight > height
        clip: true
        spacing: 1
        model: moduleList
        currentIndex: startModuleIndex
        onCurrentIndexChanged: root.applyCurrent()
        Component.onCompleted: root.applyCurrent()

        delegate: Item {
            id: row
            readonly property bool current: ListView.isCurrentItem
            width: ListView.view.width
            height: 50

            Rectangle {
                anchors.fill: parent
                color: row.current ? Colors.cyan_dull_2 : area.containsMouse ? Colors.steel_2 : "transparent"
            }
            Rectangle {
                anchors.left: parent.left
                anchors.top: parent.top
                anchors.bottom: parent.bottom
                width: 4
                color: Colors.cyan_5
                visible: row.current
            }
            Item {
                id: iconBox
                anchors.left: parent.left
                anchors.leftMargin: 24
                anchors.verticalCenter: parent.verticalCenter
                width: 22
                height: 22
                Image {
                    id: icon
                    anchors.fill: parent
                    source: modelData.icon
                    sourceSize: Qt.size(22, 22)
                    visible: false
                }
                ColorOverlay {
                    anchors.fill: icon
                    source: icon
                    color: row.current ? Colors.cyan_6 : Colors.steel_5
                }
            }
            Text {
                anchors.left: iconBox.right
                anchors.leftMargin: 16
                anchors.right: parent.right
                anchors.rightMargin: 12
                anchors.verticalCenter: parent.verticalCenter
                font.family: Fonts.openSans
                font.pixelSize: Fonts.body
                color: row.current ? Colors.white : Colors.steel_7
                elide: Text.ElideRight
                text: modelData.title
            }
            MouseArea {
                id: area
                anchors.fill: parent
                hoverEnabled: true
                cursorShape: Qt.PointingHandCursor
                onClicked: list.currentIndex = index
            }
        }
    }

    Column {
        id: dbBlock
        visible: dbUpdatedAt !== ""
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.bottom: parent.bottom
        anchors.margins: 24
        spacing: 2
        Text {
            width: parent.width
            font.family: Fonts.openSans
            font.pixelSize: Fonts.small
            color: Colors.steel_4
            wrapMode: Text.WordWrap
            text: qsTr("DBUpdatedAtText")
        }
        Text {
            width: parent.width
            font.family: Fonts.openSans
            font.pixelSize: Fonts.small
            color: Colors.steel_7
            text: dbUpdatedAt
        }
    }
}
