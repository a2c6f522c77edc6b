import QtQuick
import QtQuick.Layouts
import Ludowell

// The selected game's artwork with its status, titles and the primary action.
Item {
    id: card
    property url artwork
    property string edition
    property string title
    property string subtitle
    property string stage: "setup"
    property bool playable: false
    property bool busy: false
    property bool launching: false
    property string status
    property string primaryTitle
    property string primaryIcon

    signal primary()

    // Read as one: the game, then its stage.
    Accessible.role: Accessible.Grouping
    Accessible.name: title + ", " + status
    Accessible.description: edition + ". " + subtitle

    implicitHeight: stage === "setup" || playable ? 372 : 285

    ArtworkImage {
        objectName: "artwork"
        anchors.fill: parent
        source: card.artwork
        radius: 18
    }

    Rectangle {
        anchors.fill: parent
        radius: 18
        gradient: Gradient {
            GradientStop { position: 0.0; color: Style.artworkShadeTop }
            GradientStop { position: 0.5; color: Style.artworkShadeMiddle }
            GradientStop { position: 1.0; color: Style.artworkShadeBottom }
        }
    }

    Rectangle {
        anchors.fill: parent
        radius: 18
        gradient: Gradient {
            orientation: Gradient.Horizontal
            GradientStop { position: 0.0; color: Style.artworkShadeLeft }
            GradientStop { position: 1.0; color: Style.artworkShadeRight }
        }
    }

    ColumnLayout {
        anchors.fill: parent
        anchors.margins: 28
        spacing: 0

        RowLayout {
            Layout.fillWidth: true
            TextBlock {
                text: qsTr("IN YOUR LIBRARY")
                font.pixelSize: 9
                font.weight: Font.DemiBold
                font.letterSpacing: 2
                color: Style.artworkLabel
            }
            Item { Layout.fillWidth: true }
            Rectangle {
                objectName: "status-pill"
                Accessible.role: Accessible.StatusBar
                Accessible.name: qsTr("Status: %1").arg(card.status)
                implicitWidth: pill.implicitWidth + 24
                implicitHeight: pill.implicitHeight + 16
                radius: height / 2
                color: Style.scrim
                Row {
                    id: pill
                    anchors.centerIn: parent
                    spacing: 6
                    Rectangle {
                        objectName: "status-dot"
                        anchors.verticalCenter: parent.verticalCenter
                        width: 5
                        height: 5
                        radius: 2.5
                        color: card.playable ? Style.green : Style.gold
                    }
                    TextBlock {
                        objectName: "status-text"
                        anchors.verticalCenter: parent.verticalCenter
                        text: card.status
                        font.pixelSize: 10
                        font.weight: Font.Medium
                    }
                }
            }
        }

        Item { Layout.fillHeight: true }

        TextBlock {
            text: card.edition
            font.pixelSize: 10
            font.weight: Font.Medium
            font.letterSpacing: 2.4
            color: Style.gold
            Layout.bottomMargin: 10
        }

        Item {
            Layout.bottomMargin: 8
            implicitWidth: titleText.implicitWidth
            implicitHeight: titleText.implicitHeight
            // A soft shadow: the title repeated faintly around its place.
            Repeater {
                model: 8
                Text {
                    required property int index
                    x: Math.cos(index * Math.PI / 4) * 2.5
                    y: Math.sin(index * Math.PI / 4) * 2.5 + 1
                    text: card.title
                    font: titleText.font
                    color: Style.artworkTitleShadow
                }
            }
            TextBlock {
                id: titleText
                objectName: "game-title"
                text: card.title
                font.pixelSize: 39
                font.weight: Font.DemiBold
                font.letterSpacing: -0.8
                color: Style.brightText
                Accessible.role: Accessible.Heading
            }
        }

        TextBlock {
            text: card.subtitle
            font.pixelSize: 13
            color: Style.artworkSubtitle
            Layout.bottomMargin: 23
        }

        // A row, not a layout: each child is as wide as it says, so the
        // primary button follows its title through every change of game
        // or stage (a layout here kept the width of the title before).
        Row {
            spacing: 18
            GoldButton {
                objectName: "primary-action"
                text: card.primaryTitle
                symbol: card.primaryIcon
                spinning: card.busy || card.launching
                enabled: !card.busy && !card.launching
                onClicked: card.primary()
            }
            TextBlock {
                objectName: "setup-hint"
                y: Math.round((parent.height - height) / 2)
                visible: card.stage === "setup"
                text: qsTr("One-time setup\nYour own Steam account")
                font.pixelSize: 10
                lineSpacing: 4
                color: Style.artworkHint
            }
            TextBlock {
                objectName: "genre-line"
                y: Math.round((parent.height - height) / 2)
                visible: card.playable
                text: qsTr("STRATEGY   ·   MULTIPLAYER")
                font.pixelSize: 9
                font.weight: Font.Medium
                font.letterSpacing: 1
                color: Style.artworkGenre
            }
        }
    }

    Rectangle {
        anchors.fill: parent
        radius: 18
        color: "transparent"
        border.width: 1
        border.color: Style.artworkEdge
    }
}
