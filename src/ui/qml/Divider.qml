import QtQuick

// A one-point separator line, lightened by `overlay` white.
Rectangle {
    property real overlay: 0.05
    implicitHeight: 1
    color: Qt.rgba(1, 1, 1, 0.1)
    Rectangle {
        anchors.fill: parent
        color: Qt.rgba(1, 1, 1, parent.overlay)
    }
}
