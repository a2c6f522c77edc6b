import QtQuick
import Ludowell

// The keyboard focus ring: the accent colour just outside its control,
// shown only while focus came from the keyboard. A gap of the surface
// behind it keeps it visible even around a gold button.
Rectangle {
    property bool shown: !!parent && parent.visualFocus === true
    property real cornerRadius: 9

    anchors.fill: parent
    anchors.margins: -Style.focusRingGap
    radius: cornerRadius + Style.focusRingGap
    color: "transparent"
    border.width: Style.focusRingWidth
    border.color: Style.gold
    visible: shown
    z: 100
}
