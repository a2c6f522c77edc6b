import QtQuick
import QtQuick.Templates as T
import Ludowell

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
            color: Style.strongText
            maximumLineCount: 1
        }
    }

    background: Rectangle {
        radius: 9
        color: control.down ? Style.quietPressed : Style.quietFill
        border.width: 1
        border.color: Style.hairline
    }
}
