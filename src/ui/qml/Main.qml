import QtQuick
import QtQuick.Controls

// The one window. Menus sit in the window except where the platform has a
// global menu bar (the shell builds that one natively).
ApplicationWindow {
    id: window
    objectName: "main-window"
    width: 1140
    height: 850
    minimumWidth: 1020
    minimumHeight: 780
    title: "Ludowell"
    color: Qt.rgba(0.07, 0.07, 0.07, 1)

    palette.window: Qt.rgba(0.085, 0.092, 0.105, 1)
    palette.windowText: Qt.rgba(1, 1, 1, 0.85)
    palette.base: surface
    palette.alternateBase: Qt.rgba(0.13, 0.14, 0.16, 1)
    palette.text: Qt.rgba(1, 1, 1, 0.85)
    palette.button: Qt.rgba(0.16, 0.17, 0.19, 1)
    palette.buttonText: Qt.rgba(1, 1, 1, 0.88)
    palette.brightText: "white"
    palette.highlight: gold
    palette.highlightedText: Qt.rgba(0.12, 0.10, 0.07, 1)
    palette.light: Qt.rgba(0.22, 0.23, 0.26, 1)
    palette.midlight: Qt.rgba(0.18, 0.19, 0.22, 1)
    palette.mid: Qt.rgba(0.14, 0.15, 0.17, 1)
    palette.dark: Qt.rgba(0.05, 0.05, 0.06, 1)
    palette.shadow: "black"
    palette.placeholderText: muted
    palette.toolTipBase: surface
    palette.toolTipText: Qt.rgba(1, 1, 1, 0.85)
    palette.link: gold

    // Copy and Select All act on the text that had the keyboard focus
    // before a menu took it: once the Edit menu is open, the focus is the
    // menu's, so the text is remembered as focus moves.
    property Item textTarget: null
    function isText(item) {
        return !!item && typeof item.copy === "function" && typeof item.selectAll === "function"
               && item.selectedText !== undefined
    }
    function inMenus(item) {
        for (let at = item; at; at = at.parent)
            if (at === menuBar || at === applicationMenu.contentItem.parent || at === editMenu.contentItem.parent)
                return true
        return false
    }
    onActiveFocusItemChanged: {
        const item = activeFocusItem
        if (!item || inMenus(item)) return
        textTarget = isText(item) ? item : null
    }
    function copy() {
        if (textTarget) textTarget.copy()
    }
    function selectAll() {
        if (!textTarget) return
        textTarget.forceActiveFocus()
        textTarget.selectAll()
    }

    component DarkMenu: Menu {
        id: menu
        font.pixelSize: 13
        background: Rectangle {
            implicitWidth: 220
            color: surface
            radius: 8
            border.width: 1
            border.color: Qt.rgba(1, 1, 1, 0.1)
        }
        delegate: Component { MenuItem {
            id: entry
            // The key shown at the right: the action's `keys`, when it has one.
            // Written as the platform does: Cmd on the Mac, Ctrl elsewhere.
            readonly property string keys: entry.action && entry.action.keys
                                           ? (Qt.platform.os === "osx" ? "\u2318" : "Ctrl+") + entry.action.keys : ""
            implicitHeight: 28
            leftPadding: 12
            rightPadding: 12
            Accessible.name: text
            Accessible.description: keys
            contentItem: Item {
                implicitWidth: label.implicitWidth + shortcut.implicitWidth + 40
                Text {
                    id: label
                    anchors.verticalCenter: parent.verticalCenter
                    text: entry.text
                    font: entry.font
                    color: entry.enabled ? (entry.highlighted ? Qt.rgba(0.12, 0.10, 0.07, 1) : Qt.rgba(1, 1, 1, 0.88))
                                         : Qt.rgba(1, 1, 1, 0.35)
                }
                Text {
                    id: shortcut
                    objectName: "menu-shortcut"
                    anchors.right: parent.right
                    anchors.verticalCenter: parent.verticalCenter
                    text: entry.keys
                    font: entry.font
                    color: entry.highlighted ? Qt.rgba(0.12, 0.10, 0.07, 0.75) : muted
                }
            }
            background: Rectangle {
                radius: 5
                color: entry.highlighted ? gold : "transparent"
            }
        } }
    }

    menuBar: MenuBar {
        id: menuBar
        objectName: "menu-bar"
        visible: !shell.nativeMenus
        font.pixelSize: 13
        background: Rectangle {
            implicitHeight: 28
            color: Qt.rgba(0.085, 0.092, 0.105, 1)
            Rectangle {
                anchors.bottom: parent.bottom
                width: parent.width
                height: 1
                color: Qt.rgba(1, 1, 1, 0.06)
            }
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
                color: entry.highlighted ? gold : Qt.rgba(1, 1, 1, 0.85)
            }
            background: Rectangle {
                color: entry.highlighted ? Qt.rgba(1, 1, 1, 0.06) : "transparent"
            }
        }
        DarkMenu {
            id: applicationMenu
            title: "Ludowell"
            Action {
                objectName: "menu-about"
                text: "About Ludowell"
                onTriggered: shell.about()
            }
            Action {
                objectName: "menu-check-updates"
                text: "Check for Updates…"
                enabled: shell.canCheckForUpdates
                onTriggered: shell.checkForUpdates()
            }
            MenuSeparator { }
            Action {
                objectName: "menu-quit"
                text: "Quit Ludowell"
                property string keys: "Q"
                shortcut: StandardKey.Quit
                onTriggered: shell.quit()
            }
        }
        DarkMenu {
            id: editMenu
            title: "Edit"
            Action {
                objectName: "menu-copy"
                text: "Copy"
                property string keys: "C"
                shortcut: StandardKey.Copy
                onTriggered: window.copy()
            }
            Action {
                objectName: "menu-select-all"
                text: "Select All"
                property string keys: "A"
                shortcut: StandardKey.SelectAll
                onTriggered: window.selectAll()
            }
        }
    }

    // The title bar's close button, Alt+F4 and the system's own quit all
    // arrive here: closing the window quits, so it asks what quitting asks.
    onClosing: (close) => { close.accepted = shell.closeRequested() }

    RootView {
        objectName: "root-view"
        anchors.fill: parent
    }
}
