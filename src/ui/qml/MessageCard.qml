import QtQuick
import QtQuick.Layouts
import Ludowell

// The last error or notice, with a dismiss button; an error also offers
// its details and help.
Rectangle {
    id: card
    property string text
    property bool isError: false

    signal dismissed()

    implicitHeight: row.implicitHeight + 34
    radius: 12
    color: isError ? Style.errorTint : Style.noticeTint
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
            color: card.isError ? Style.orange : Style.gold
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
                    text: qsTr("Show details")
                    onClicked: LibraryModel.showDiagnostics = true
                }
                PlainButton {
                    objectName: "get-help"
                    text: qsTr("Get help")
                    onClicked: LibraryModel.page = "Help"
                }
            }
        }

        PlainButton {
            objectName: "dismiss-message"
            Layout.alignment: Qt.AlignTop
            symbol: "xmark"
            symbolSize: 10
            color: Style.muted
            Accessible.name: qsTr("Dismiss message")
            onClicked: card.dismissed()
        }
    }
}
