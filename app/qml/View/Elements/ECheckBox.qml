import QtQuick 2.15
import "../../Style"

// The check box used inside lists: no text, only the box.
SCheckBox {
    text: ""
    padding: 0
    implicitWidth: 20
    implicitHeight: 20
}
