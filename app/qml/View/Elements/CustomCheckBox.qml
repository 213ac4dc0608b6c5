import QtQuick 2.15
import "../../Style"

// A check box on the dark frame.
SCheckBox {
    textColor: Colors.gray_8
}
