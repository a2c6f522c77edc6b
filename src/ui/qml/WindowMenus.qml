import QtQuick
import QtQuick.Controls
import Ludowell

// The menus inside the window, where the platform has no global menu bar
// (the shell builds that one natively). The window builds them once its
// first frame is up.
MenuBar {
    id: menus
    objectName: "menu-bar"
    font.pixelSize: 13
    background: Item { }

    // Edit's entries act on the window's text, which the window tracks.
    signal copyRequested()
    signal selectAllRequested()

    // From the keyboard (F10, or Alt alone): the first menu opens with its
    // first entry highlighted, or an open menu closes. Left and Right move
    // to the menu beside it.
    function toggle() {
        for (let i = 0; i < count; ++i) {
            if (menuAt(i).visible) {
                menuAt(i).close()
                return
            }
        }
        openMenu(0)
    }
    function openMenu(index) {
        const at = (index + count) % count
        for (let i = 0; i < count; ++i)
            if (i !== at) menuAt(i).close()
        const entry = itemAt(at)
        const menu = menuAt(at)
        menu.popup(entry, 0, entry.height)
        menu.currentIndex = 0
    }

    component DarkMenu: Menu {
        id: menu
        property int index: 0  // its place in the bar
        font.pixelSize: 13
        // As wide as its widest entry, so a longer language fits.
        contentWidth: {
            let widest = 0
            for (let i = 0; i < count; ++i) widest = Math.max(widest, itemAt(i).implicitWidth)
            return widest
        }
        background: Rectangle {
            implicitWidth: 220
            color: Style.surface
            radius: 8
            border.width: 1
            border.color: Style.hairline
        }
        delegate: Component { MenuItem {
            id: entry
            // The key shown at the right: the action's `keys`, when it has one.
            // Written as the platform does: Cmd on the Mac, Ctrl elsewhere.
            readonly property string keys: entry.action && entry.action.keys
                                           ? (Qt.platform.os === "osx" ? "\u2318" : qsTr("Ctrl+")) + entry.action.keys : ""
            implicitHeight: 28
            leftPadding: 12
            rightPadding: 12
            Accessible.name: text
            Accessible.description: keys
            Keys.onLeftPressed: menus.openMenu(menu.index - 1)
            Keys.onRightPressed: menus.openMenu(menu.index + 1)
            contentItem: Item {
                implicitWidth: label.implicitWidth + shortcut.implicitWidth + 40
                Text {
                    id: label
                    anchors.verticalCenter: parent.verticalCenter
                    text: entry.text
                    font: entry.font
                    color: entry.enabled ? (entry.highlighted ? Style.onGold : Style.strongText)
                                         : Style.disabledText
                }
                Text {
                    id: shortcut
                    objectName: "menu-shortcut"
                    anchors.right: parent.right
                    anchors.verticalCenter: parent.verticalCenter
                    text: entry.keys
                    font: entry.font
                    color: entry.highlighted ? Style.onGoldMuted : Style.muted
                }
            }
            background: Rectangle {
                radius: 5
                color: entry.highlighted ? Style.gold : "transparent"
            }
        } }
    }

    delegate: MenuBarItem {
        id: entry
        topPadding: 5
        bottomPadding: 5
        leftPadding: 12
        rightPadding: 12
        contentItem: Text {
            text: entry.text
            font: entry.font
            color: entry.highlighted ? Style.gold : Style.text
        }
        background: Rectangle {
            color: entry.highlighted ? Style.faintLine : "transparent"
        }
    }
    DarkMenu {
        title: "Ludowell"
        Action {
            objectName: "menu-about"
            text: qsTr("About Ludowell")
            onTriggered: Shell.about()
        }
        Action {
            objectName: "menu-check-updates"
            text: qsTr("Check for Updates…")
            enabled: Shell.canCheckForUpdates
            onTriggered: Shell.checkForUpdates()
        }
        MenuSeparator { }
        Action {
            objectName: "menu-quit"
            text: qsTr("Quit Ludowell")
            property string keys: "Q"
            shortcut: StandardKey.Quit
            onTriggered: Shell.quit()
        }
    }
    DarkMenu {
        title: qsTr("Edit")
        index: 1
        Action {
            objectName: "menu-copy"
            text: qsTr("Copy")
            property string keys: "C"
            shortcut: StandardKey.Copy
            onTriggered: menus.copyRequested()
        }
        Action {
            objectName: "menu-select-all"
            text: qsTr("Select All")
            property string keys: "A"
            shortcut: StandardKey.SelectAll
            onTriggered: menus.selectAllRequested()
        }
    }
}
