import QtQuick 2.15
import QtTest 1.2
import "qrc:/View/Dialogs"

Item {
    width: 600
    height: 400

    Dialog {
        id: dialog
        aCategory: "Disclaimer"
        layout: Component {
            NoSignDriversLayout {}
        }
    }

    TestCase {
        id: testCase
        name: "Dialogs"
        when: windowShown

        SignalSpy {
            id: views
            target: tracker
            signalName: "appViewSent"
        }
        SignalSpy {
            id: events
            target: tracker
            signalName: "eventSent"
        }
        SignalSpy {
            id: cancelled
            target: dialog
            signalName: "cancel"
        }

        function init() {
            views.clear()
            events.clear()
        }

        function test_1_notCreatedBeforeFirstOpen() {
            verify(!dialog.active)
            compare(dialog.layoutItem, null)
            verify(!dialog.opened)
        }

        function test_2_openShowsTheLayoutAndReportsTheScreen() {
            dialog.open()
            verify(dialog.opened)
            verify(dialog.layoutItem !== null)
            compare(dialog.layoutItem.dialog, dialog.item)
            compare(views.count, 1)
            compare(views.signalArguments[0][0], "Disclaimer")
            // The layout sits in the middle of its frame, inside the glow.
            compare(dialog.item.width, dialog.layoutItem.width + 2 * dialog.glow)
            dialog.close()
            verify(!dialog.opened)
        }

        function test_3_continueReportsAndSignals() {
            dialog.open()
            var next = createTemporaryObject(spyComponent, testCase,
                                             { "target": dialog.layoutItem, "signalName": "next" })
            var buttons = findButtons(dialog.layoutItem, "NoSignContinueButton")
            compare(buttons.length, 1)
            buttons[0].clicked()
            compare(next.count, 1)
            compare(events.count, 1)
            compare(events.signalArguments[0][0], "Disclaimer")
            compare(events.signalArguments[0][1], "Click")
            compare(events.signalArguments[0][2], "Continue")
            dialog.close()
        }

        function test_4_detailsNeedTheirLink() {
            dialog.open()
            var buttons = findButtons(dialog.layoutItem, "DetailButton")
            compare(buttons.length, 1)
            verify(!buttons[0].enabled)
            dialog.close()
        }

        function findButtons(item, text) {
            var found = []
            for (var i = 0; i < item.children.length; ++i) {
                var child = item.children[i]
                if (child.text === text && child.clicked !== undefined)
                    found.push(child)
                found = found.concat(findButtons(child, text))
            }
            return found
        }

        Component {
            id: spyComponent
            SignalSpy {}
        }
    }
}
