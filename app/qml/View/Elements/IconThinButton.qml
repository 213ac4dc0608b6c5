import QtQuick 2.15
import "../../Style"

IconButton {
    implicitWidth: 28
    implicitHeight: 28
    iconSize: 14
    iconColor: Colors.gray_3
    hoverIconColor: Colors.cyan_4
    hoverColor: Colors.gray_9
}
