import QtQuick 2.15
import QtTest 1.2
import "qrc:/View/Elements"

Item {
    width: 400
    height: 300

    Item {
        id: stage
        anchors.fill: parent
    }

    TestCase {
        id: testCase
        name: "Elements"
        when: windowShown

        SignalSpy {
            id: events
            target: tracker
            signalName: "eventSent"
        }

        Component {
            id: linkComponent
            Hyperlink {
                property string key: ""
                link: publicUrls[key] || ""
                text: "Link"
                aCategory: "About-screen"
                aLabel: "Contacts"
            }
        }
        Component {
            id: checkComponent
            SCheckBox {
                text: "Check"
                aCategory: "Settings-screen"
                aAction: "Check-updates"
            }
        }

        function init() {
            events.clear()
        }

        function test_linkWithoutUrlIsInert() {
            var link = createTemporaryObject(linkComponent, stage, { "key": "refund_policy" })
            verify(!link.active)
            verify(!link.enabled)
            var activated = createTemporaryObject(signalSpyComponent, testCase,
                                                  { "target": link, "signalName": "activated" })
            mouseClick(link)
            link.activate()
            compare(events.count, 0)
            compare(activated.count, 0)
        }

        function test_linkWithUrlIsActive() {
            var link = createTemporaryObject(linkComponent, stage, { "key": "contacts" })
            verify(link.active)
            compare(link.link, "https://example.invalid/contacts")
        }

        function test_checkBoxReportsItsState() {
            var box = createTemporaryObject(checkComponent, stage, { "checked": true })
            mouseClick(box)
            verify(!box.checked)
            mouseClick(box)
            verify(box.checked)
            compare(events.count, 2)
            compare(events.signalArguments[0][0], "Settings-screen")
            compare(events.signalArguments[0][1], "Check-updates")
            compare(events.signalArguments[0][2], "Uncheck")
            compare(events.signalArguments[1][2], "Check")
        }

        function test_everySharedControlLoads_data() {
            return ["PrimaryButton", "SecondButton", "SecondThinButton", "ThinButton", "IconButton",
                    "IconThinButton", "IconGradientButton", "ColorIconButton", "CancelButton",
                    "SCheckBox", "ECheckBox", "CustomCheckBox", "ERadioButton", "Hyperlink",
                    "PathSelector", "TextFieldMenu", "StyledScrollView", "LoadIndicator",
                    "DashText", "HeaderLogo", "NoConnectPanel"].map(function(name) {
                return { "tag": name, "name": name }
            })
        }

        function test_everySharedControlLoads(data) {
            var component = Qt.createComponent("qrc:/View/Elements/" + data.name + ".qml")
            compare(component.status, Component.Ready, component.errorString())
            var control = createTemporaryObject(component, stage)
            verify(control !== null)
        }

        Component {
            id: signalSpyComponent
            SignalSpy {}
        }
    }
}
