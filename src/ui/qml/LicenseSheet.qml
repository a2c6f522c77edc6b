import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Ludowell

// Before the first setup: the user reads the graphics component's licence
// and agrees, or leaves it for now.
Item {
    id: sheet
    readonly property string title: qsTr("Let's prepare your Mac.")
    readonly property Item defaultControl: agreeButton.enabled ? agreeButton : notNowButton
    implicitWidth: 650
    implicitHeight: column.implicitHeight + 60

    // Read once per showing: the sheet is built afresh each time it opens.
    LicenceDocument {
        id: licence
    }

    // An error raised while the sheet is open (the acceptance could not be
    // saved) shows here, since the page behind is covered.
    property string problem: ""
    Connections {
        target: LibraryModel
        function onErrorChanged() { sheet.problem = LibraryModel.error || "" }
    }

    ColumnLayout {
        id: column
        anchors.fill: parent
        anchors.margins: 30
        spacing: 18

        RowLayout {
            spacing: 10
            Symbol {
                name: "sparkles"
                size: 22
                color: Style.gold
            }
            TextBlock {
                text: qsTr("Let's prepare your Mac.")
                font.pixelSize: 23
                font.weight: Font.DemiBold
                Accessible.role: Accessible.Heading
            }
        }

        TextBlock {
            Layout.fillWidth: true
            text: qsTr("We'll download Steam and the components needed to run your game. You only need to do this once.")
            font.pixelSize: 13
            color: Style.muted
            lineSpacing: 4
            wrapMode: Text.WordWrap
        }

        TextBlock {
            Layout.fillWidth: true
            text: qsTr("Apple's graphics component license limits use to developing, testing or evaluating games on Apple hardware. Please review it before continuing.")
            font.pixelSize: 12
            color: Style.muted
            lineSpacing: 3
            wrapMode: Text.WordWrap
        }

        Rectangle {
            objectName: "licence-box"
            Layout.fillWidth: true
            Layout.preferredHeight: 270
            radius: 10
            color: Style.well
            border.width: 1
            border.color: Style.faintLine
            FocusRing {
                shown: licenceText.visualFocus
                cornerRadius: 10
            }

            // The text keeps 12 points clear of the edges, more than the
            // corner radius, so a square clip never shows past the corners.
            ScrollView {
                id: scroll
                anchors.fill: parent
                anchors.margins: 1
                clip: true
                ScrollBar.horizontal.policy: ScrollBar.AlwaysOff
                // A scroller that stays in view says there is more to read.
                ScrollBar.vertical.policy: contentHeight > availableHeight + 1 ? ScrollBar.AlwaysOn : ScrollBar.AlwaysOff

                TextArea {
                    id: licenceText
                    objectName: "licence-text"
                    readOnly: true
                    selectByMouse: true
                    selectByKeyboard: true
                    persistentSelection: true
                    textFormat: TextEdit.RichText
                    text: licence.html
                    wrapMode: TextEdit.Wrap
                    padding: 12
                    font.pixelSize: 13
                    color: Style.text
                    selectionColor: Style.selection
                    selectedTextColor: Style.brightText
                    background: null
                    // The text view would keep Escape; the sheet closes on it.
                    Keys.onEscapePressed: LibraryModel.showLicense = false
                    // Shift-Tab wraps round to the sheet's last button.
                    KeyNavigation.backtab: agreeButton.enabled ? agreeButton : notNowButton
                    Accessible.role: Accessible.EditableText
                    Accessible.name: qsTr("License")
                    Accessible.description: qsTr("Apple's graphics component license, read-only")
                    // Keyboard focus shows on the box around the text.
                    property bool visualFocus: activeFocus && (focusReason === Qt.TabFocusReason || focusReason === Qt.BacktabFocusReason)
                    activeFocusOnTab: true

                }
            }
        }

        RowLayout {
            objectName: "licence-problem"
            visible: sheet.problem.length > 0
            Layout.fillWidth: true
            spacing: 8
            Symbol {
                Layout.alignment: Qt.AlignTop
                name: "exclamationmark.circle"
                size: 14
                color: Style.orange
            }
            TextBlock {
                Layout.fillWidth: true
                text: sheet.problem
                font.pixelSize: 12
                wrapMode: Text.WordWrap
                Accessible.role: Accessible.AlertMessage
            }
        }

        RowLayout {
            Layout.fillWidth: true
            spacing: 10
            TextBlock {
                Layout.fillWidth: true  // wraps rather than widen the sheet
                wrapMode: Text.WordWrap
                text: qsTr("A few minutes · Internet connection required")
                font.pixelSize: 11
                color: Style.muted
            }
            Item { Layout.fillWidth: true }
            QuietButton {
                id: notNowButton
                objectName: "not-now"
                text: qsTr("Not now")
                onClicked: LibraryModel.showLicense = false
            }
            GoldButton {
                id: agreeButton
                objectName: "agree"
                text: qsTr("Agree & set up Steam")
                // The sheet stays open when the acceptance could not be saved;
                // the model then shows why.
                enabled: licence.present
                onClicked: LibraryModel.agree()
            }
        }
    }
}
