import QtQuick 2.15
import "../../Style"

// The root of every module page: its module, whether it is the current page,
// and the screen it reports each time it becomes current.
Item {
    id: page
    property QtObject module: null
    property bool show: false
    property string aCategory: ""
    readonly property string aClick: "Click"

    onShowChanged: {
        if (show && aCategory !== "")
            tracker.sendAppView(aCategory)
    }
}
