import QtQuick
import QtQuick.Templates as T
import Ludowell

// The primary action of a page or sheet.
T.Button {
    id: control
    // A symbol shown before the title, or a spinner while `spinning`.
    property string symbol: ""
    property bool spinning: false

    implicitWidth: row.implicitWidth + 46
    implicitHeight: 46
    font.pixelSize: 14
    font.weight: Font.DemiBold
    scale: down ? 0.985 : 1.0
    // Disabled as a whole: fill, symbol and title dim together.
    opacity: enabled ? 1.0 : 0.5
    focusPolicy: Qt.TabFocus
    Accessible.role: Accessible.Button
    Accessible.name: text
    // Return and Enter press a focused button, as Space does.
    Keys.onReturnPressed: (event) => { event.accepted = true; if (enabled) clicked() }
    Keys.onEnterPressed: (event) => { event.accepted = true; if (enabled) clicked() }

    FocusRing {
        cornerRadius: 10
    }

    contentItem: Item {
        Row {
            id: row
            anchors.centerIn: parent
            spacing: 11
            Spinner {
                visible: control.spinning
                color: Style.shadow
                anchors.verticalCenter: parent.verticalCenter
            }
            Symbol {
                visible: !control.spinning && control.symbol.length > 0
                name: control.symbol
                size: 14
                color: Style.onGold
                anchors.verticalCenter: parent.verticalCenter
            }
            Text {
                text: control.text
                font: control.font
                color: Style.onGold
                maximumLineCount: 1
                anchors.verticalCenter: parent.verticalCenter
            }
        }
    }

    background: Rectangle {
        radius: 10
        color: Style.gold
        opacity: control.down ? 0.8 : 1.0
    }
}
