import QtQuick
import QtQuick.Layouts
import QtQuick.Templates as T
import Ludowell

// The fixed sidebar: brand, navigation, the game list when there is more
// than one game, and the version line.
Rectangle {
    id: sidebar
    implicitWidth: 180
    color: Style.sidebar

    readonly property bool busy: LibraryModel.busy
    function showLibrary() { LibraryModel.page = "Library" }

    ColumnLayout {
        anchors.fill: parent
        anchors.leftMargin: 20
        anchors.rightMargin: 20
        anchors.topMargin: 66
        anchors.bottomMargin: 27
        spacing: 0

        RowLayout {
            spacing: 10
            Layout.bottomMargin: 38
            Symbol {
                name: "gamecontroller.fill"
                size: 22
                color: Style.gold
            }
            TextBlock {
                text: "Ludowell"
                font.pixelSize: 16
                font.weight: Font.DemiBold
            }
        }

        TextBlock {
            text: "YOUR SPACE"
            font.pixelSize: 9
            font.weight: Font.DemiBold
            font.letterSpacing: 2
            color: Style.muted
            Layout.bottomMargin: 13
            Layout.leftMargin: 12
        }

        Nav {
            objectName: "nav-Library"
            title: "Library"
            symbol: "square.grid.2x2.fill"
            Layout.fillWidth: true
        }

        Repeater {
            model: Shell.games.length > 1 ? Shell.games : []
            delegate: T.Button {
                id: game
                required property var modelData
                required property int index
                objectName: "game-" + modelData.id
                text: modelData.title
                enabled: !sidebar.busy
                padding: 12
                implicitWidth: contentItem.implicitWidth + leftPadding + rightPadding
                implicitHeight: contentItem.implicitHeight + topPadding + bottomPadding
                Layout.fillWidth: true
                opacity: enabled ? 1.0 : 0.45
                focusPolicy: Qt.TabFocus
                Accessible.role: Accessible.Button
                Accessible.name: text
                Keys.onReturnPressed: (event) => { event.accepted = true; if (enabled) clicked() }
                Keys.onEnterPressed: (event) => { event.accepted = true; if (enabled) clicked() }
                FocusRing {
                    cornerRadius: 9
                    anchors.margins: -2
                }
                onClicked: {
                    Shell.selectGame(index)
                    sidebar.showLibrary()
                }
                contentItem: Text {
                    text: game.text
                    font.pixelSize: 12
                    color: Style.muted
                    elide: Text.ElideRight
                    horizontalAlignment: Text.AlignLeft
                }
                background: Item {}
            }
        }

        Item { Layout.fillHeight: true }

        ColumnLayout {
            spacing: 5
            Layout.fillWidth: true
            Nav {
                objectName: "nav-Help"
                title: "Help"
                symbol: "questionmark.circle"
                Layout.fillWidth: true
            }
            Nav {
                objectName: "nav-Settings"
                title: "Settings"
                symbol: "slider.horizontal.3"
                Layout.fillWidth: true
            }
        }

        Divider {
            overlay: 0.05
            Layout.fillWidth: true
            Layout.topMargin: 20
            Layout.bottomMargin: 20
        }

        RowLayout {
            spacing: 7
            Rectangle {
                implicitWidth: 5
                implicitHeight: 5
                radius: 2.5
                color: Style.gold
            }
            TextBlock {
                text: "Made for your Mac"
                font.pixelSize: 11
                color: Style.muted
            }
        }

        TextBlock {
            objectName: "version-line"
            Layout.topMargin: 9
            text: LibraryModel.preview ? "DESIGN PREVIEW" : "VERSION " + Shell.version
            font.pixelSize: 8
            font.weight: Font.Medium
            font.letterSpacing: 1.3
            color: Style.faintText
        }
    }
}
