pragma Singleton
import QtQuick 2.15

QtObject {
    // Text on light pages: softer than pure black, which glares on white.
    readonly property color black: "#222222"
    readonly property color white: "#FFFFFF"

    // Cyan is the brand accent: primary buttons, selection, progress.
    readonly property color cyan_4: "#13A49A"
    readonly property color cyan_5: "#3FC9BF"
    readonly property color cyan_6: "#8EECE5"

    readonly property color yellow_4: "#D9AB00"
    readonly property color yellow_5: "#E5CD18"
    readonly property color yellow_6: "#FAE75C"

    // Green marks finished work and recommended drivers.
    readonly property color green_4: "#068E6D"
    readonly property color green_5: "#00AA80"
    readonly property color green_6: "#20D1A8"
    readonly property color green_dark: "#20584A"

    readonly property color gray_0: "#313333"
    readonly property color gray_1: "#484E4F"
    readonly property color gray_2: "#646C6B"
    readonly property color gray_3: "#768181"
    readonly property color gray_4: "#98A3A3"
    readonly property color gray_5: "#B9C1C1"
    readonly property color gray_6: "#C9D1D1"
    readonly property color gray_7: "#DBE1E0"
    readonly property color gray_8: "#E7ECEC"
    readonly property color gray_9: "#EDF1F1"

    // Red is for failures and invalid input only.
    readonly property color red_4: "#C52232"
    readonly property color red_5: "#F03D4E"
    readonly property color red_6: "#FF818D"
    readonly property color driver_text_red: "#D65B62"

    readonly property color blue_4: "#087097"
    readonly property color blue_5: "#1D98C6"
    readonly property color blue_6: "#7CDCFF"

    readonly property color amarant_4: "#B92A44"
    readonly property color amarant_5: "#DF3251"
    readonly property color amarant_6: "#F84666"

    // The dark frame of the main window is built from the steel and dull cyan ramps.
    readonly property color steel_0: "#202929"
    readonly property color steel_1: "#32403E"
    readonly property color steel_2: "#3E4E4D"
    readonly property color steel_3: "#6C8585"
    readonly property color steel_4: "#859B9B"
    readonly property color steel_5: "#9DB6B6"
    readonly property color steel_6: "#B9D6D6"
    readonly property color steel_7: "#CBE5E5"
    readonly property color steel_8: "#DDEFEF"
    readonly property color steel_9: "#EDFAFA"

    readonly property color apple_4: "#1E8C51"
    readonly property color apple_5: "#4BAE79"
    readonly property color apple_6: "#71DDA3"

    readonly property color cyan_dull_0: "#293534"
    readonly property color cyan_dull_1: "#314342"
    readonly property color cyan_dull_2: "#466C6C"
    readonly property color cyan_dull_3: "#5B8C8C"
    readonly property color cyan_dull_4: "#67A6A6"
    readonly property color cyan_dull_5: "#8BC2C2"
    readonly property color cyan_dull_6: "#9ED3D3"
    readonly property color cyan_dull_7: "#AFE1E1"
    readonly property color cyan_dull_8: "#C1F0F0"
    readonly property color cyan_dull_9: "#D4F9F9"
}
