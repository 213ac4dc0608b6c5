import QtQuick 2.15
import QtQuick.Controls 2.15
import "../../Style"

// A scroll area with the thin scroll bar of the program.
ScrollView {
    id: view
    clip: true
    ScrollBar.horizontal.policy: ScrollBar.AlwaysOff
    ScrollBar.vertical: ScrollBar {
        parent: view
        x: view.width - width
        y: view.topPadding
        height: view.availableHeight
        active: view.ScrollBar.horizontal.active
        policy: view.contentHeight > view.height ? ScrollBar.AsNeeded : ScrollBar.AlwaysOff
        contentItem: Rectangle {
            implicitWidth: 6
            radius: 3
            color: parent.pressed ? Colors.gray_3 : Colors.gray_5
        }
    }
}
