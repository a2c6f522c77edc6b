import QtQuick
import QtQuick.Templates as T
import Ludowell

// A borderless button: its label alone, as the Mac's plain button style.
T.Button {
    id: control
    property color color: Style.gold
    property string symbol: ""
    property real symbolSize: font.pixelSize

    implicitWidth: content.implicitWidth
    implicitHeight: content.implicitHeight
    padding: 0
    font.pixelSize: 11
    opacity: enabled ? (down ? 0.6 : 1.0) : 0.4
    focusPolicy: Qt.TabFocus
    Accessible.role: Accessible.Button
    Accessible.name: text
    // Return and Enter press a focused button, as Space does.
    Keys.onReturnPressed: (event) => { event.accepted = true; if (enabled) clicked() }
    Keys.onEnterPressed: (event) => { event.accepted = true; if (enabled) clicked() }

    FocusRing {
        cornerRadius: 3
        anchors.margins: -5
    }

    contentItem: Row {
        id: content
        spacing: 4
        Symbol {
            visible: control.symbol.length > 0
            name: control.symbol
            size: control.symbolSize
            color: control.color
            anchors.verticalCenter: parent.verticalCenter
        }
        Text {
            visible: control.text.length > 0
            text: control.text
            font: control.font
            color: control.color
            anchors.verticalCenter: parent.verticalCenter
        }
    }
    background: Item {}
}
