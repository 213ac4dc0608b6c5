import QtQuick 2.15
import QtTest 1.2
import "qrc:/View"

Item {
    width: 400
    height: 300

    Item {
        id: stage
        anchors.fill: parent
    }

    TestCase {
        id: testCase
        name: "ModuleView"
        when: windowShown

        Component {
            id: areaComponent
            ModuleView {
                width: 400
                height: 300
            }
        }
        // Stands for a module's list entry: what the area reads and calls.
        Component {
            id: entryComponent
            QtObject {
                property string name: "counting"
                property string qmlUrl: Qt.resolvedUrl("../data/CountingPage.qml")
                property QtObject module: QtObject {
                    property bool selected: true
                    property int created: 0
                    property int commands: 0
                }
                property var viewObject: null
                function setViewObject(view) {
                    viewObject = view
                }
            }
        }

        function test_commandWaitsForThePage() {
            var area = createTemporaryObject(areaComponent, stage)
            var entry = createTemporaryObject(entryComponent, stage)
            area.command = "startScan"
            area.selectModel = entry
            tryCompare(area, "state", "VIEW")
            compare(entry.module.created, 1)
            compare(entry.module.commands, 1)
            compare(area.command, "")
            verify(entry.viewObject !== null)
            compare(entry.viewObject.module, entry.module)

            var other = createTemporaryObject(entryComponent, stage, { "name": "other" })
            area.selectModel = other
            tryCompare(area, "state", "VIEW")
            area.selectModel = entry
            compare(entry.module.commands, 1)
        }

        function test_pageIsCreatedOnce() {
            var area = createTemporaryObject(areaComponent, stage)
            var entry = createTemporaryObject(entryComponent, stage)
            var other = createTemporaryObject(entryComponent, stage, { "name": "other" })
            // Quick changes while the first page is still being created.
            area.selectModel = entry
            area.selectModel = other
            area.selectModel = entry
            tryCompare(area, "state", "VIEW")
            tryCompare(other.module, "created", 1)
            area.selectModel = other
            area.selectModel = entry
            compare(area.state, "VIEW")
            compare(entry.module.created, 1)
            compare(other.module.created, 1)
            compare(area.currentView, entry.viewObject)
            compare(entry.viewObject.parent, area.currentView.parent)
            verify(entry.viewObject.visible)
            verify(!other.viewObject.visible)
        }

        function test_unknownCommandIsDropped() {
            var area = createTemporaryObject(areaComponent, stage)
            var entry = createTemporaryObject(entryComponent, stage)
            area.selectModel = entry
            tryCompare(area, "state", "VIEW")
            area.command = "noSuchFunction"
            area.runCommand()
            compare(area.command, "")
            compare(entry.module.commands, 0)
        }

        function test_missingPageLeavesTheAreaEmpty() {
            var area = createTemporaryObject(areaComponent, stage)
            var entry = createTemporaryObject(entryComponent, stage,
                                              { "qmlUrl": Qt.resolvedUrl("../data/NoSuchPage.qml") })
            area.selectModel = entry
            tryCompare(area, "state", "EMPTY")
            compare(entry.viewObject, null)
        }
    }
}
