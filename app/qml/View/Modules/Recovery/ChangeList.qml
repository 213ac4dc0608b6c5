import QtQuick 2.15
import "../../../Style"
import "../../Elements"

// A page of driver changes: its title, and the list or, when it is empty, a message.
Item {
    id: list
    property string header: ""
    property string emptyMessage: ""
    property var model: []
    property Component row: null
    readonly property bool empty: model.length === 0

    // Opens every row, for a picture of the whole page.
    function expandAll() {
        for (var index = 0; index < view.count; ++index) {
            var loader = view.itemAtIndex(index)
            if (loader && loader.item && !loader.item.expanded)
                loader.item.toggle()
        }
    }

    Text {
        id: title
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.top: parent.top
        anchors.margins: 24
        font.family: Fonts.raleway
        font.pixelSize: Fonts.title
        color: Colors.black
        elide: Text.ElideRight
        text: list.header
    }
    Text {
        objectName: "emptyMessage"
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.top: title.bottom
        anchors.margins: 24
        visible: list.empty
        font.family: Fonts.openSans
        font.pixelSize: Fonts.body
        color: Colors.gray_2
        wrapMode: Text.WordWrap
        text: list.emptyMessage
    }
    ListView {
        id: view
        objectName: "changeList"
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.top: title.bottom
        anchors.bottom: parent.bottom
        anchors.margins: 24
        anchors.rightMargin: 12
        visible: !list.empty
        clip: true
        spacing: 8
        boundsBehavior: Flickable.StopAtBounds
        model: list.model
        delegate: Loader {
            width: view.width - 12
            sourceComponent: list.row
            property int number: index + 1
            property QtObject entry: modelData
        }
    }
}
