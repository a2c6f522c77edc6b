import QtQuick
import QtQuick.Templates as T

// Secondary actions.
T.Button {
    id: control

    implicitWidth: label.implicitWidth + 32
    implicitHeight: 40
    font.pixelSize: 13
    font.weight: Font.Medium
    opacity: enabled ? 1.0 : 0.45
    focusPolicy: Qt.TabFocus
    Accessible.role: Accessible.Button
    Accessible.name: text
    // Return and Enter press a focused button, as Space does.
    Keys.onReturnPressed: (event) => { event.accepted = true; if (enabled) clicked() }
    Keys.onEnterPressed: (event) => { event.accepted = true; if (enabled) clicked() }

    FocusRing {
        cornerRadius: 9
    }

    contentItem: Item {
        Text {
            id: label
            anchors.centerIn: parent
            text: control.text
            font: control.font
            color: Qt.rgba(1, 1, 1, 0.88)
            maximumLineCount: 1
        }
    }

    background: Rectangle {
        radius: 9
        color: Qt.rgba(1, 1, 1, control.down ? 0.12 : 0.065)
        border.width: 1
        border.color: Qt.rgba(1, 1, 1, 0.1)
    }
}
