import QtQuick
import QtQuick.Layouts
import Ludowell

// The main page: the game's artwork card with its one primary action, the
// last error or notice, the setup guide or the ready card, the offer to
// reuse an earlier launcher's setup, and the footer.
ColumnLayout {
    id: page
    spacing: 24

    RowLayout {
        Layout.fillWidth: true
        ColumnLayout {
            Layout.alignment: Qt.AlignTop
            spacing: 7
            TextBlock {
                text: qsTr("Your next adventure.")
                font.pixelSize: 30
                font.weight: Font.DemiBold
                Accessible.role: Accessible.Heading
            }
            TextBlock {
                text: qsTr("A home for your games on Mac.")
                font.pixelSize: 13
                color: Style.muted
            }
        }
        Item { Layout.fillWidth: true }
        TextBlock {
            objectName: "game-count"
            Layout.alignment: Qt.AlignTop
            Layout.topMargin: 12
            text: qsTr("%n GAME(S)", "", Shell.games.length)
            font.pixelSize: 10
            font.weight: Font.DemiBold
            font.letterSpacing: 1.5
            color: Style.muted
        }
    }

    ArtworkCard {
        objectName: "hero"
        Layout.fillWidth: true
        Layout.preferredHeight: implicitHeight
        artwork: Shell.artworkUrl(LibraryModel.profile.artwork)
        edition: LibraryModel.profile.edition
        title: LibraryModel.profile.title
        subtitle: LibraryModel.profile.subtitle
        stage: LibraryModel.stage
        playable: LibraryModel.playable
        busy: LibraryModel.busy
        launching: LibraryModel.launching
        status: LibraryModel.status
        primaryTitle: LibraryModel.primaryTitle
        primaryIcon: LibraryModel.primaryIcon
        onPrimary: LibraryModel.primary()
    }

    ActivityPanel {
        Layout.fillWidth: true
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

    ReadyGuide {
        objectName: "ready-card"
        visible: LibraryModel.playable
        Layout.fillWidth: true
        busy: LibraryModel.busy
        onOpenSteam: LibraryModel.launch("steam")
    }

    SetupGuide {
        objectName: "setup-card"
        visible: !LibraryModel.playable
        Layout.fillWidth: true
        stage: LibraryModel.stage
        step: LibraryModel.step
        busy: LibraryModel.busy
        progress: LibraryModel.download
        onSignedIn: LibraryModel.confirmSignIn()
        onCantSeeSteam: LibraryModel.notice = qsTr("The first Steam update can take a few minutes. Check the Dock for Steam. If it still doesn't appear, choose Open Steam again or visit Help.")
        onOpenSteam: LibraryModel.launch("steam")
    }

    Rectangle {
        objectName: "reuse-card"
        visible: LibraryModel.legacyAvailable
        Layout.fillWidth: true
        implicitHeight: reuse.implicitHeight + 36
        radius: 12
        color: Style.surface
        RowLayout {
            id: reuse
            anchors.fill: parent
            anchors.margins: 18
            Symbol {
                name: "externaldrive.badge.checkmark"
                size: 16
                color: Style.gold
            }
            ColumnLayout {
                spacing: 4
                TextBlock {
                    text: qsTr("Already playing with Ambrovel?")
                    font.pixelSize: 13
                    font.weight: Font.Medium
                }
                TextBlock {
                    text: qsTr("Use your installed game and saves without downloading again.")
                    font.pixelSize: 11
                    color: Style.muted
                }
            }
            Item { Layout.fillWidth: true }
            QuietButton {
                objectName: "use-existing-setup"
                text: qsTr("Use existing setup")
                onClicked: LibraryModel.reuseLegacy()
            }
        }
    }

    RowLayout {
        Layout.fillWidth: true
        Layout.topMargin: 2
        Symbol {
            name: "sparkles"
            size: 11
            color: Style.gold
            opacity: 0.8
        }
        TextBlock {
            text: qsTr("More supported games will arrive in future updates.")
            font.pixelSize: 11
            color: Style.muted
        }
        Item { Layout.fillWidth: true }
        PlainButton {
            objectName: "need-a-hand"
            text: qsTr("Need a hand?")
            onClicked: LibraryModel.page = "Help"
        }
    }
}
