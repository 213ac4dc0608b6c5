pragma Singleton
import QtQuick 2.15

QtObject {
    // Raleway for titles only: its thin strokes blur at body sizes.
    readonly property string raleway: ralewayLoader.name
    readonly property string openSans: openSansLoader.name

    readonly property int small: 12
    readonly property int body: 14
    readonly property int large: 16
    readonly property int title: 22
    readonly property int hero: 30

    property FontLoader ralewayLoader: FontLoader {
        source: "qrc:/Resources/Fonts/Raleway-Regular.ttf"
    }
    property FontLoader openSansLoader: FontLoader {
        source: "qrc:/Resources/Fonts/OpenSans-Regular.ttf"
    }
}
