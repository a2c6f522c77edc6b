import QtQuick

// The keyboard focus ring: the accent colour just outside its control,
// shown only while focus came from the keyboard. A gap of the surface
// behind it keeps it visible even around a gold button.
Rectangle {
    property bool shown: !!parent && parent.visualFocus === true
    property real cornerRadius: 9

    anchors.fill: parent
    anchors.margins: -4
    radius: cornerRadius + 4
    color: "transparent"
    border.width: 2
    border.color: gold
    visible: shown
    z: 100
}
