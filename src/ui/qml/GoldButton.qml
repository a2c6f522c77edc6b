import QtQuick
import QtQuick.Templates as T

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
    focusPolicy: Qt.TabFocus
    Accessible.name: text

    contentItem: Item {
        // Only the label dims: while a step runs the button still carries
        // its spinner and title on full gold.
        opacity: control.enabled ? 1.0 : 0.7
        Row {
            id: row
            anchors.centerIn: parent
            spacing: 11
            Spinner {
                visible: control.spinning
                color: "black"
                anchors.verticalCenter: parent.verticalCenter
            }
            Symbol {
                visible: !control.spinning && control.symbol.length > 0
                name: control.symbol
                size: 14
                color: Qt.rgba(0.12, 0.10, 0.07, 1)
                anchors.verticalCenter: parent.verticalCenter
            }
            Text {
                text: control.text
                font: control.font
                color: Qt.rgba(0.12, 0.10, 0.07, 1)
                maximumLineCount: 1
                anchors.verticalCenter: parent.verticalCenter
            }
        }
    }

    background: Rectangle {
        radius: 10
        color: gold
        opacity: control.down ? 0.8 : 1.0
    }
}
