import QtQuick 2.15
import "../Style"

Item {
    id: layout
    property alias list: modulesList
    property alias view: moduleView

    // Runs `command` on the page of `moduleName`, creating the page first if need be.
    function sendCommand(moduleName, command) {
        moduleView.command = command
        var found = modulesList.findModuleModel(moduleName)
        if (found.index === modulesList.currentIndex)
            moduleView.runCommand()
        else
            modulesList.showModule(moduleName)
    }
    function showModule(name) {
        return modulesList.showModule(name)
    }
    function readModuleProperty(name, prop) {
        return modulesList.readModuleProperty(name, prop)
    }

    ModuleHeader {
        id: header
        anchors.top: parent.top
        anchors.left: parent.left
        anchors.right: parent.right
        listWidth: modulesList.width
        model: modulesList.selectModel
    }

    ModulesList {
        id: modulesList
        anchors.top: header.bottom
        anchors.left: parent.left
        anchors.bottom: parent.bottom
        width: 280
    }

    ModuleView {
        id: moduleView
        anchors.top: header.bottom
        anchors.left: modulesList.right
        anchors.right: parent.right
        anchors.bottom: parent.bottom
        selectModel: modulesList.selectModel
    }
}
