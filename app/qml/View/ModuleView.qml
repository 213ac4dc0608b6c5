import QtQuick 2.15
import "../Style"
import "Elements"

// The page area: each module's page is created on first use, off the GUI
// thread's critical path, and kept for the life of the window.
Item {
    id: area
    property var selectModel: null
    // A command for the next page shown: the name of a function of that page.
    property string command: ""
    property var currentView: null
    // Names of the pages being created, so that a quick reselect waits for the same page.
    property var creating: ({})
    state: "EMPTY"

    signal viewCreated(var entry, var view)

    states: [
        State { name: "EMPTY" },
        State { name: "LOAD" },
        State { name: "VIEW" }
    ]

    function runCommand() {
        if (command === "" || !currentView)
            return
        var name = command
        command = ""
        if (typeof currentView[name] === "function")
            currentView[name]()
    }

    function showView(view) {
        view.parent = container
        view.anchors.fill = container
        view.visible = true
        currentView = view
        state = "VIEW"
        runCommand()
    }

    function detachCurrent() {
        if (currentView) {
            currentView.visible = false
            currentView.anchors.fill = undefined
            currentView.parent = stash
        }
        currentView = null
    }

    function createView(entry) {
        state = "LOAD"
        if (creating[entry.name])
            return
        creating[entry.name] = true
        var component = Qt.createComponent(entry.qmlUrl, Component.Asynchronous)
        // The window's view is being torn down.
        if (!component) {
            delete creating[entry.name]
            state = "EMPTY"
            return
        }
        var incubate = function() {
            if (component.status === Component.Error) {
                delete area.creating[entry.name]
                console.log("Page not created:", entry.name, component.errorString())
                if (area.selectModel === entry)
                    area.state = "EMPTY"
                return
            }
            if (component.status !== Component.Ready)
                return
            var incubator = component.incubateObject(stash, { "module": entry.module, "visible": false })
            if (!incubator) {
                delete area.creating[entry.name]
                return
            }
            var finish = function() {
                if (incubator.status !== Component.Ready)
                    return
                var view = incubator.object
                delete area.creating[entry.name]
                entry.setViewObject(view)
                view.show = entry.module.selected
                area.viewCreated(entry, view)
                if (area.selectModel === entry)
                    area.showView(view)
            }
            if (incubator.status === Component.Ready)
                finish()
            else
                incubator.onStatusChanged = function(status) { finish() }
        }
        if (component.status === Component.Loading)
            component.statusChanged.connect(incubate)
        else
            incubate()
    }

    onSelectModelChanged: {
        detachCurrent()
        if (!selectModel) {
            state = "EMPTY"
            return
        }
        if (selectModel.viewObject)
            showView(selectModel.viewObject)
        else
            createView(selectModel)
    }

    Rectangle {
        anchors.fill: parent
        color: Colors.white
    }
    Item {
        id: stash
        visible: false
    }
    Item {
        id: container
        anchors.fill: parent
    }
    LoadIndicator {
        anchors.centerIn: parent
        visible: area.state === "LOAD"
    }
}
