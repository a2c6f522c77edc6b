import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Ludowell

// The raw output of the last step, to read or copy for support.
Item {
    id: sheet
    readonly property string title: qsTr("Details for troubleshooting")
    readonly property Item defaultControl: doneButton
    implicitWidth: 640
    implicitHeight: column.implicitHeight + 56

    // Around the scroller, not inside its content.
    FocusRing {
        parent: scroll
        shown: details.visualFocus
        cornerRadius: 4
    }

    ColumnLayout {
        id: column
        anchors.fill: parent
        anchors.margins: 28
        spacing: 18

        TextBlock {
            text: qsTr("Details for troubleshooting")
            font.pixelSize: 22
            font.weight: Font.DemiBold
            Accessible.role: Accessible.Heading
        }

        ScrollView {
            id: scroll
            objectName: "details-scroll"
            Layout.fillWidth: true
            Layout.preferredHeight: 340
            clip: true
            ScrollBar.horizontal.policy: ScrollBar.AlwaysOff
            // A scroller that stays in view says there is more to read.
            ScrollBar.vertical.policy: contentHeight > availableHeight + 1 ? ScrollBar.AlwaysOn : ScrollBar.AlwaysOff

            TextArea {
                id: details
                objectName: "details-text"
                readOnly: true
                selectByMouse: true
                selectByKeyboard: true
                persistentSelection: true
                textFormat: TextEdit.PlainText
                text: LibraryModel.details ? LibraryModel.localDetails : qsTr("No diagnostic details available.")
                wrapMode: TextEdit.Wrap
                padding: 0
                rightPadding: 14  // room for the scroller
                font.family: Qt.platform.os === "osx" ? "Menlo" : "monospace"
                font.pixelSize: 11
                color: Style.text
                selectionColor: Style.selection
                selectedTextColor: Style.brightText
                background: null
                // The text view would keep Escape; the sheet closes on it.
                Keys.onEscapePressed: LibraryModel.showDiagnostics = false
                KeyNavigation.backtab: doneButton
                Accessible.role: Accessible.EditableText
                Accessible.name: qsTr("Details for troubleshooting")
                Accessible.description: qsTr("Read-only output of the last step")
                // Keyboard focus shows on the box around the text.
                property bool visualFocus: activeFocus && (focusReason === Qt.TabFocusReason || focusReason === Qt.BacktabFocusReason)
                activeFocusOnTab: true

            }
        }

        RowLayout {
            Layout.fillWidth: true
            QuietButton {
                objectName: "open-log-folder"
                text: qsTr("Open log folder")
                onClicked: LibraryModel.logs()
            }
            QuietButton {
                objectName: "save-support-report"
                text: qsTr("Save Support Report…")
                enabled: !LibraryModel.busy
                onClicked: LibraryModel.saveSupportReport()
            }
            Item { Layout.fillWidth: true }
            GoldButton {
                id: doneButton
                objectName: "done"
                text: qsTr("Done")
                onClicked: LibraryModel.showDiagnostics = false
            }
        }
    }
}
