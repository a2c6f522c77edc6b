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

    // Copy and Select All go to whatever holds the keyboard focus.
    function copy() {
        const item = activeFocusItem
        if (item && typeof item.copy === "function") item.copy()
    }
    function selectAll() {
        const item = activeFocusItem
        if (item && typeof item.selectAll === "function") item.selectAll()
    }

    menuBar: MenuBar {
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
        Menu {
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
                shortcut: StandardKey.Quit
                onTriggered: shell.quit()
            }
        }
        Menu {
            title: "Edit"
            Action {
                text: "Copy"
                shortcut: StandardKey.Copy
                onTriggered: window.copy()
            }
            Action {
                text: "Select All"
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
