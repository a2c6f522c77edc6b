import QtQuick
import QtQuick.Templates as T
import Ludowell

// The primary action of a page or sheet.
T.Button {
    id: control
    // A symbol shown before the title, or a spinner while `spinning`.
    property string symbol: ""
    property bool spinning: false

    // From the parts' own sizes rather than the row's, which is only known
    // once the row has been laid out: a layout around the button would
    // keep the width of the label before.
    readonly property Item leading: spinning ? spinner : (symbol.length > 0 ? mark : null)
    // Whole points, as a layout would give it, so the title sits on pixels.
    implicitWidth: Math.ceil((leading ? leading.width + row.spacing : 0) + label.implicitWidth + 46)
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
                id: spinner
                visible: control.spinning
                color: Style.shadow
                anchors.verticalCenter: parent.verticalCenter
            }
            Symbol {
                id: mark
                visible: !control.spinning && control.symbol.length > 0
                name: control.symbol
                size: 14
                color: Style.onGold
                anchors.verticalCenter: parent.verticalCenter
            }
            Text {
                id: label
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
