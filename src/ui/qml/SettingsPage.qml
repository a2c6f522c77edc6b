import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import QtQuick.Templates as T
import Ludowell

// Preferences, the game's Steam controls, app updates and the data folder.
ColumnLayout {
    id: page
    spacing: 24
    // Which card started the running step, so its activity shows there;
    // a step started on another page shows with the Steam controls.
    property string origin: "steam"

    component Card: Rectangle {
        default property alias content: inner.data
        Layout.fillWidth: true
        implicitHeight: inner.implicitHeight + 48
        radius: Style.cardRadius
        color: Style.surface
        ColumnLayout {
            id: inner
            anchors.fill: parent
            anchors.margins: 24
            spacing: 0
        }
    }

    // A section that shows its content only once opened; starts collapsed.
    component Disclosure: ColumnLayout {
        id: section
        property string title
        property bool expanded: false
        default property alias content: body.data
        spacing: 0

        T.AbstractButton {
            id: header
            objectName: "disclosure-header"
            Layout.fillWidth: true
            implicitHeight: headerRow.implicitHeight + 4
            focusPolicy: Qt.TabFocus
            Accessible.role: Accessible.Button
            Accessible.name: section.title
            Accessible.description: section.expanded ? qsTr("Expanded") : qsTr("Collapsed")
            Keys.onReturnPressed: (event) => { event.accepted = true; clicked() }
            Keys.onEnterPressed: (event) => { event.accepted = true; clicked() }
            FocusRing {
                cornerRadius: 6
            }
            onClicked: section.expanded = !section.expanded
            contentItem: RowLayout {
                id: headerRow
                spacing: 8
                Text {
                    text: "\u203A"
                    color: Style.muted
                    font.pixelSize: 17
                    rotation: section.expanded ? 90 : 0
                    Layout.preferredWidth: 10
                    horizontalAlignment: Text.AlignHCenter
                    Behavior on rotation { NumberAnimation { duration: 120 } }
                }
                TextBlock {
                    Layout.fillWidth: true
                    text: section.title
                    font.pixelSize: 13
                    opacity: header.down ? 0.7 : 1.0
                }
            }
        }
        ColumnLayout {
            id: body
            objectName: "disclosure-body"
            visible: section.expanded
            Layout.fillWidth: true
            spacing: 0
        }
    }

    Heading {
        title: qsTr("Make yourself at home.")
        subtitle: qsTr("A few simple preferences. The rest is taken care of.")
    }

    Card {
        objectName: "overlay-card"
        ColumnLayout {
            Layout.fillWidth: true
            spacing: 20
            TextBlock {
                text: qsTr("While you play")
                font.pixelSize: 17
                font.weight: Font.DemiBold
                Accessible.role: Accessible.Heading
            }
            T.Switch {
                id: hudSwitch
                objectName: "hud-switch"
                Layout.fillWidth: true
                checked: LibraryModel.hud
                enabled: !LibraryModel.busy
                focusPolicy: Qt.TabFocus
                Accessible.role: Accessible.CheckBox
                Accessible.name: qsTr("Show performance overlay")
                Accessible.description: qsTr("Displays the frame rate in your game. Applies the next time you start a fresh Steam session.")
                Keys.onReturnPressed: (event) => { event.accepted = true; if (enabled) { toggle(); toggled() } }
                Keys.onEnterPressed: (event) => { event.accepted = true; if (enabled) { toggle(); toggled() } }
                FocusRing {
                    cornerRadius: 8
                }
                implicitHeight: Math.max(indicator.implicitHeight, contentItem.implicitHeight)
                // The model stores the choice; the switch then shows the stored value.
                onToggled: {
                    LibraryModel.hud = checked
                    checked = Qt.binding(() => LibraryModel.hud)
                }

                contentItem: ColumnLayout {
                    spacing: 6
                    opacity: hudSwitch.enabled ? 1.0 : 0.5
                    TextBlock {
                        Layout.fillWidth: true
                        Layout.rightMargin: hudSwitch.indicator.width + 16
                        text: qsTr("Show performance overlay")
                        font.pixelSize: 13
                        font.weight: Font.Medium
                    }
                    TextBlock {
                        Layout.fillWidth: true
                        Layout.rightMargin: hudSwitch.indicator.width + 16
                        text: qsTr("Displays the frame rate in your game. Applies the next time you start a fresh Steam session.")
                        font.pixelSize: 12
                        color: Style.muted
                        wrapMode: Text.WordWrap
                    }
                }

                indicator: Rectangle {
                    x: hudSwitch.width - width
                    anchors.verticalCenter: parent.verticalCenter
                    implicitWidth: 38
                    implicitHeight: 22
                    radius: height / 2
                    color: hudSwitch.checked ? Style.gold : Style.switchOff
                    opacity: hudSwitch.enabled ? 1.0 : 0.5
                    Behavior on color { ColorAnimation { duration: 120 } }
                    Rectangle {
                        width: 18
                        height: 18
                        radius: 9
                        y: 2
                        x: hudSwitch.checked ? parent.width - width - 2 : 2
                        color: Style.knob
                        Behavior on x { NumberAnimation { duration: 120 } }
                    }
                }
            }
        }
    }

    Card {
        objectName: "steam-card"
        ColumnLayout {
            Layout.fillWidth: true
            spacing: 17
            TextBlock {
                objectName: "steam-title"
                text: qsTr("Steam for %1").arg(LibraryModel.profile.title || "")
                font.pixelSize: 17
                font.weight: Font.DemiBold
                Accessible.role: Accessible.Heading
            }
            TextBlock {
                Layout.fillWidth: true
                text: qsTr("Each game has its own setup. Your Steam login and saves stay on this Mac. Steam Cloud is managed by Steam.")
                font.pixelSize: 12
                color: Style.muted
                lineSpacing: 3
                wrapMode: Text.WordWrap
            }
            RowLayout {
                spacing: 8
                QuietButton {
                    objectName: "open-steam"
                    text: qsTr("Open Steam")
                    enabled: LibraryModel.stage !== "setup" && !LibraryModel.busy
                    onClicked: {
                        page.origin = "steam"
                        LibraryModel.launch("steam")
                    }
                }
                QuietButton {
                    objectName: "close-steam-session"
                    text: qsTr("Close Steam session…")
                    // Without the engine's server nothing of this game can be running.
                    enabled: !LibraryModel.busy && LibraryModel.serverPresent
                    onClicked: {
                        page.origin = "steam"
                        LibraryModel.stop()
                    }
                }
            }
            ActivityPanel {
                Layout.fillWidth: true
                visible: LibraryModel.busy && page.origin === "steam"
            }
        }
    }

    // App updates: present only once the shell has handed the model its
    // update gate.
    Loader {
        id: updatesPlace
        objectName: "updates-place"
        Layout.fillWidth: true
        active: !!LibraryModel.updates
        visible: active
        sourceComponent: UpdatesPanel {
            updates: LibraryModel.updates
        }
    }

    Card {
        objectName: "advanced-card"
        Disclosure {
            id: advanced
            objectName: "advanced"
            Layout.fillWidth: true
            title: qsTr("Advanced & diagnostics")

            ColumnLayout {
                Layout.fillWidth: true
                Layout.topMargin: 16
                spacing: 16
                TextBlock {
                    text: qsTr("Game files and local settings")
                    font.pixelSize: 12
                    font.weight: Font.Medium
                }
                TextArea {
                    objectName: "data-root"
                    Layout.fillWidth: true
                    text: LibraryModel.dataRoot
                    readOnly: true
                    selectByMouse: true
                    selectByKeyboard: true
                    // Kept while the Edit menu has the focus, so Copy finds it.
                    persistentSelection: true
                    activeFocusOnTab: true
                    property bool visualFocus: activeFocus && (focusReason === Qt.TabFocusReason || focusReason === Qt.BacktabFocusReason)
                    padding: 0
                    background: null
                    wrapMode: TextEdit.WrapAnywhere
                    textFormat: TextEdit.PlainText
                    font.pixelSize: 10
                    color: Style.muted
                    selectionColor: Style.selection
                    selectedTextColor: Style.brightText
                    Accessible.role: Accessible.StaticText
                    Accessible.name: qsTr("Data folder: %1").arg(text)
                    FocusRing {
                        shown: parent.visualFocus
                        cornerRadius: 3
                    }
                }
                RowLayout {
                    spacing: 8
                    enabled: !LibraryModel.busy
                    QuietButton {
                        objectName: "show-data-folder"
                        text: qsTr("Show data folder")
                        onClicked: LibraryModel.showDataFolder()
                    }
                    QuietButton {
                        objectName: "show-logs"
                        text: qsTr("Show logs")
                        onClicked: LibraryModel.logs()
                    }
                    QuietButton {
                        objectName: "check-compatibility"
                        text: qsTr("Check compatibility")
                        onClicked: {
                            page.origin = "advanced"
                            LibraryModel.launch("check")
                        }
                    }
                }
                ActivityPanel {
                    Layout.fillWidth: true
                    visible: LibraryModel.busy && page.origin === "advanced"
                }
                TextBlock {
                    Layout.fillWidth: true
                    text: qsTr("Logs may contain local paths or Steam account information. Review them before sharing.")
                    font.pixelSize: 11
                    color: Style.muted
                    wrapMode: Text.WordWrap
                }
            }
        }
    }

    StorageCard {
        stepShown: page.origin === "storage"
        onStepStarted: page.origin = "storage"
    }

    MessageCard {
        objectName: "error-card"
        visible: !!LibraryModel.error
        Layout.fillWidth: true
        text: LibraryModel.error || ""
        isError: true
        onDismissed: LibraryModel.dismissError()
    }

    MessageCard {
        objectName: "notice-card"
        visible: !!LibraryModel.notice
        Layout.fillWidth: true
        text: LibraryModel.notice || ""
        isError: false
        onDismissed: LibraryModel.dismissNotice()
    }
}
