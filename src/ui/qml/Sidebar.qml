import QtQuick
import QtQuick.Templates as T
import Ludowell

// The fixed sidebar's entries: brand, navigation, the game list when there
// is more than one game, and the version line. The root view paints its
// panel.
Item {
    id: sidebar
    objectName: "sidebar"

    readonly property bool busy: LibraryModel.busy
    implicitWidth: Math.max(libraryNav.implicitWidth, helpNav.implicitWidth, settingsNav.implicitWidth) + 40
    function showLibrary() { LibraryModel.page = "Library" }

    Column {
        x: 20
        y: 66
        width: parent.width - 40

        Row {
            spacing: 10
            height: implicitHeight + 38
            Symbol {
                id: mark
                name: "gamecontroller.fill"
                size: 22
                color: Style.gold
            }
            TextBlock {
                y: Math.round((mark.height - height) / 2)
                text: "Ludowell"
                font.pixelSize: 16
                font.weight: Font.DemiBold
            }
        }

        TextBlock {
            x: 12
            width: parent.width - x
            height: implicitHeight + 13
            wrapMode: Text.Wrap  // longer languages
            text: qsTr("YOUR SPACE")
            font.pixelSize: 9
            font.weight: Font.DemiBold
            font.letterSpacing: 2
            color: Style.muted
        }

        Nav {
            id: libraryNav
            objectName: "nav-Library"
            title: "Library"
            label: qsTr("Library")
            symbol: "square.grid.2x2.fill"
            width: parent.width
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
                width: parent.width
                implicitWidth: contentItem.implicitWidth + leftPadding + rightPadding
                implicitHeight: contentItem.implicitHeight + topPadding + bottomPadding
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
    }

    Column {
        x: 20
        width: parent.width - 40
        anchors.bottom: parent.bottom
        anchors.bottomMargin: 27

        Column {
            width: parent.width
            spacing: 5
            Nav {
                id: helpNav
                objectName: "nav-Help"
                title: "Help"
                label: qsTr("Help")
                symbol: "questionmark.circle"
                width: parent.width
            }
            Nav {
                id: settingsNav
                objectName: "nav-Settings"
                title: "Settings"
                label: qsTr("Settings")
                symbol: "slider.horizontal.3"
                width: parent.width
            }
        }

        Item {
            width: parent.width
            height: 41
            Divider {
                y: 20
                width: parent.width
                overlay: 0.05
            }
        }

        Row {
            spacing: 7
            height: implicitHeight + 9
            Rectangle {
                anchors.verticalCenter: made.verticalCenter
                width: 5
                height: 5
                radius: 2.5
                color: Style.gold
            }
            TextBlock {
                id: made
                width: Math.min(implicitWidth, sidebar.width - 40 - 12)  // beside the dot
                wrapMode: Text.Wrap
                text: qsTr("Made for your Mac")
                font.pixelSize: 11
                color: Style.muted
            }
        }

        TextBlock {
            objectName: "version-line"
            text: LibraryModel.preview ? qsTr("DESIGN PREVIEW") : qsTr("VERSION %1").arg(Shell.version)
            font.pixelSize: 8
            font.weight: Font.Medium
            font.letterSpacing: 1.3
            color: Style.faintText
        }
    }
}
