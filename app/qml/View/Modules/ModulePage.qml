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

    // The module area around the page, which knows the other modules; null
    // while the page is not placed in a window.
    function modulesLayout() {
        for (var item = page.parent; item; item = item.parent) {
            if (typeof item.readModuleProperty === "function" && typeof item.sendCommand === "function")
                return item
        }
        return null
    }
    function readModuleProperty(name, prop) {
        var layout = modulesLayout()
        return layout ? layout.readModuleProperty(name, prop) : undefined
    }
    function showModule(name) {
        var layout = modulesLayout()
        return layout ? layout.showModule(name) : null
    }
    function sendCommand(name, command) {
        var layout = modulesLayout()
        if (layout)
            layout.sendCommand(name, command)
    }
}
