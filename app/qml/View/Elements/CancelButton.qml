import QtQuick 2.15
import "../../Style"

SecondButton {
    text: qsTr("CancelButton")
}
