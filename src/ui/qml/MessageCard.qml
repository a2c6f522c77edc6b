import QtQuick
import QtQuick.Layouts

// The last error or notice, with a dismiss button; an error also offers
// its details and help.
Rectangle {
    id: card
    property string text
    property bool isError: false
    // Platform orange (dark appearance).
    readonly property color orange: Qt.rgba(1.0, 0.624, 0.039, 1)

    signal dismissed()

    implicitHeight: row.implicitHeight + 34
    radius: 12
    color: Qt.rgba(isError ? orange.r : gold.r, isError ? orange.g : gold.g, isError ? orange.b : gold.b, 0.08)
    Accessible.role: Accessible.AlertMessage
    Accessible.name: text

    RowLayout {
        id: row
        anchors.fill: parent
        anchors.margins: 17
        spacing: 12

        Symbol {
            Layout.alignment: Qt.AlignTop
            Layout.topMargin: 1
            name: card.isError ? "exclamationmark.circle" : "info.circle"
            size: 14
            color: card.isError ? card.orange : gold
        }

        ColumnLayout {
            Layout.alignment: Qt.AlignTop
            Layout.fillWidth: true
            spacing: 9
            TextBlock {
                objectName: "message-text"
                Layout.fillWidth: true
                text: card.text
                font.pixelSize: 12
                lineSpacing: 3
                wrapMode: Text.Wrap
            }
            RowLayout {
                visible: card.isError
                spacing: 18
                PlainButton {
                    objectName: "show-details"
                    text: "Show details"
                    onClicked: model.showDiagnostics = true
                }
                PlainButton {
                    objectName: "get-help"
                    text: "Get help"
                    onClicked: model.page = "Help"
                }
            }
        }

        PlainButton {
            objectName: "dismiss-message"
            Layout.alignment: Qt.AlignTop
            symbol: "xmark"
            symbolSize: 10
            color: muted
            Accessible.name: "Dismiss message"
            onClicked: card.dismissed()
        }
    }
}
