import QtQuick
import Ludowell

// A one-point separator line, lightened by `overlay` white.
Rectangle {
    property real overlay: 0.05
    implicitHeight: 1
    color: Style.hairline
    Rectangle {
        anchors.fill: parent
        color: Style.whiteAt(parent.overlay)
    }
}
