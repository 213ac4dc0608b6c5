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
            compare(dialog.item.width, dialog.layoutItem.width + 2 * dialog.margin)
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

        function test_5_windowFollowsTheBodyAroundItsCentre() {
            dialog.open()
            var frame = dialog.item
            var body = dialog.layoutItem
            var centreX = frame.x + frame.width / 2
            var centreY = frame.y + frame.height / 2
            body.height += 120
            compare(frame.height, body.height + 2 * dialog.margin)
            fuzzyCompare(frame.y + frame.height / 2, centreY, 1)
            // Dragged elsewhere, it grows around the new place.
            frame.moveBy(-30, 25)
            body.width += 80
            compare(frame.width, body.width + 2 * dialog.margin)
            fuzzyCompare(frame.x + frame.width / 2, centreX - 30, 1)
            fuzzyCompare(frame.y + frame.height / 2, centreY + 25, 1)
            dialog.close()
        }

        function test_6_withoutTranslucencyThePanelFillsTheWindow() {
            var plain = createTemporaryObject(dialogComponent, testCase.parent,
                                              { "translucent": false })
            plain.open()
            compare(plain.item.width, plain.layoutItem.width)
            var panel = findChild(plain.item.contentItem, "dialogPanel")
            tryCompare(panel, "width", plain.item.width)
            tryCompare(panel, "height", plain.item.height)
            compare(panel.radius, 0)
            plain.close()
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
            id: dialogComponent
            Dialog {
                layout: Component {
                    SystemRebootLayout {}
                }
            }
        }
        Component {
            id: spyComponent
            SignalSpy {}
        }
    }
}
