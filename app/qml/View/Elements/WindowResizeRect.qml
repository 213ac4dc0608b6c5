import QtQuick 2.15
import QtQuick.Window 2.15

// Edge and corner grips of the frameless main window.
Item {
    id: grips
    property int gripSize: 10
    visible: window.visibility !== Window.Maximized

    component Grip: MouseArea {
        property bool fromLeft: false
        property bool fromTop: false
        property bool fromRight: false
        property bool fromBottom: false
        onPressed: window.startMove()
        onPositionChanged: {
            if (pressed)
                window.resizeWindow(fromLeft, fromTop, fromRight, fromBottom)
        }
    }

    Grip { fromLeft: true; x: 0; y: grips.gripSize; width: grips.gripSize; height: grips.height - 2 * grips.gripSize; cursorShape: Qt.SizeHorCursor }
    Grip { fromRight: true; x: grips.width - grips.gripSize; y: grips.gripSize; width: grips.gripSize; height: grips.height - 2 * grips.gripSize; cursorShape: Qt.SizeHorCursor }
    Grip { fromTop: true; x: grips.gripSize; y: 0; width: grips.width - 2 * grips.gripSize; height: grips.gripSize; cursorShape: Qt.SizeVerCursor }
    Grip { fromBottom: true; x: grips.gripSize; y: grips.height - grips.gripSize; width: grips.width - 2 * grips.gripSize; height: grips.gripSize; cursorShape: Qt.SizeVerCursor }
    Grip { fromLeft: true; fromTop: true; x: 0; y: 0; width: grips.gripSize; height: grips.gripSize; cursorShape: Qt.SizeFDiagCursor }
    Grip { fromRight: true; fromTop: true; x: grips.width - grips.gripSize; y: 0; width: grips.gripSize; height: grips.gripSize; cursorShape: Qt.SizeBDiagCursor }
    Grip { fromLeft: true; fromBottom: true; x: 0; y: grips.height - grips.gripSize; width: grips.gripSize; height: grips.gripSize; cursorShape: Qt.SizeBDiagCursor }
    Grip { fromRight: true; fromBottom: true; x: grips.width - grips.gripSize; y: grips.height - grips.gripSize; width: grips.gripSize; height: grips.gripSize; cursorShape: Qt.SizeFDiagCursor }
}
