import QtQuick 2.15

// A page that counts how often it is created and how often its command runs.
Item {
    property QtObject module: null
    property bool show: false
    Component.onCompleted: module.created += 1
    function startScan() {
        module.commands += 1
    }
}
