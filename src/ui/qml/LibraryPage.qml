import QtQuick
import QtQuick.Layouts

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
                text: "Your next adventure."
                font.pixelSize: 30
                font.weight: Font.DemiBold
                Accessible.role: Accessible.Heading
            }
            TextBlock {
                text: "A home for your games on Mac."
                font.pixelSize: 13
                color: muted
            }
        }
        Item { Layout.fillWidth: true }
        TextBlock {
            objectName: "game-count"
            Layout.alignment: Qt.AlignTop
            Layout.topMargin: 12
            text: shell.games.length + (shell.games.length === 1 ? " GAME" : " GAMES")
            font.pixelSize: 10
            font.weight: Font.DemiBold
            font.letterSpacing: 1.5
            color: muted
        }
    }

    ArtworkCard {
        objectName: "hero"
        Layout.fillWidth: true
        Layout.preferredHeight: implicitHeight
        artwork: shell.artworkUrl(model.profile.artwork)
        edition: model.profile.edition
        title: model.profile.title
        subtitle: model.profile.subtitle
        stage: model.stage
        playable: model.playable
        busy: model.busy
        launching: model.launching
        status: model.status
        primaryTitle: model.primaryTitle
        primaryIcon: model.primaryIcon
        onPrimary: model.primary()
    }

    ActivityPanel {
        Layout.fillWidth: true
    }

    MessageCard {
        objectName: "error-card"
        visible: !!model.error
        Layout.fillWidth: true
        text: model.error || ""
        isError: true
        onDismissed: model.dismissError()
    }

    MessageCard {
        objectName: "notice-card"
        visible: !!model.notice
        Layout.fillWidth: true
        text: model.notice || ""
        isError: false
        onDismissed: model.dismissNotice()
    }

    ReadyGuide {
        objectName: "ready-card"
        visible: model.playable
        Layout.fillWidth: true
        busy: model.busy
        onOpenSteam: model.launch("steam")
    }

    SetupGuide {
        objectName: "setup-card"
        visible: !model.playable
        Layout.fillWidth: true
        stage: model.stage
        step: model.step
        busy: model.busy
        progress: model.download
        onSignedIn: model.confirmSignIn()
        onCantSeeSteam: model.notice = "The first Steam update can take a few minutes. Check the Dock for Steam. If it still doesn't appear, choose Open Steam again or visit Help."
        onOpenSteam: model.launch("steam")
    }

    Rectangle {
        objectName: "reuse-card"
        visible: model.legacyAvailable
        Layout.fillWidth: true
        implicitHeight: reuse.implicitHeight + 36
        radius: 12
        color: surface
        RowLayout {
            id: reuse
            anchors.fill: parent
            anchors.margins: 18
            Symbol {
                name: "externaldrive.badge.checkmark"
                size: 16
                color: gold
            }
            ColumnLayout {
                spacing: 4
                TextBlock {
                    text: "Already playing with Ambrovel?"
                    font.pixelSize: 13
                    font.weight: Font.Medium
                }
                TextBlock {
                    text: "Use your installed game and saves without downloading again."
                    font.pixelSize: 11
                    color: muted
                }
            }
            Item { Layout.fillWidth: true }
            QuietButton {
                objectName: "use-existing-setup"
                text: "Use existing setup"
                onClicked: model.reuseLegacy()
            }
        }
    }

    RowLayout {
        Layout.fillWidth: true
        Layout.topMargin: 2
        Symbol {
            name: "sparkles"
            size: 11
            color: gold
            opacity: 0.8
        }
        TextBlock {
            text: "More supported games will arrive in future updates."
            font.pixelSize: 11
            color: muted
        }
        Item { Layout.fillWidth: true }
        PlainButton {
            objectName: "need-a-hand"
            text: "Need a hand?"
            onClicked: model.page = "Help"
        }
    }
}
