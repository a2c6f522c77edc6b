import QtQuick
import QtQuick.Controls
import Ludowell

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
    color: Style.window

    palette.window: Style.sidebar
    palette.windowText: Style.text
    palette.base: Style.surface
    palette.alternateBase: Style.controlAlternate
    palette.text: Style.text
    palette.button: Style.controlFace
    palette.buttonText: Style.strongText
    palette.brightText: Style.brightText
    palette.highlight: Style.gold
    palette.highlightedText: Style.onGold
    palette.light: Style.controlLight
    palette.midlight: Style.controlMidlight
    palette.mid: Style.controlMid
    palette.dark: Style.controlDark
    palette.shadow: Style.shadow
    palette.placeholderText: Style.muted
    palette.toolTipBase: Style.surface
    palette.toolTipText: Style.text
    palette.link: Style.gold

    // Copy and Select All act on the text that had the keyboard focus
    // before a menu took it: once the Edit menu is open, the focus is the
    // menu's, so the text is remembered as focus moves.
    property Item textTarget: null
    function isText(item) {
        return !!item && typeof item.copy === "function" && typeof item.selectAll === "function"
               && item.selectedText !== undefined
    }
    // The in-window menu bar, once built.
    property Item menus: null
    function inMenus(item) {
        if (!menus) return false
        const parts = [menus]
        for (let i = 0; i < menus.count; ++i) parts.push(menus.menuAt(i).contentItem.parent)
        for (let at = item; at; at = at.parent)
            if (parts.indexOf(at) >= 0) return true
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

    // F10, or Alt alone: the shell hands these keys here.
    function toggleMenus() {
        if (menus) menus.toggle()
    }

    // The strip is there from the first frame; the menus in it are built
    // just after, as they are not needed before.
    menuBar: Rectangle {
        visible: !Shell.nativeMenus
        implicitHeight: 28
        color: Style.sidebar
        Rectangle {
            anchors.bottom: parent.bottom
            width: parent.width
            height: 1
            color: Style.faintLine
        }
        Loader {
            anchors.fill: parent
            active: Shell.windowShown && !Shell.nativeMenus
            onLoaded: {
                window.menus = item
                item.copyRequested.connect(window.copy)
                item.selectAllRequested.connect(window.selectAll)
            }
            source: "WindowMenus.qml"
        }
    }

    // The title bar's close button, Alt+F4 and the system's own quit all
    // arrive here: closing the window quits, so it asks what quitting asks.
    onClosing: (close) => { close.accepted = Shell.closeRequested() }

    RootView {
        objectName: "root-view"
        anchors.fill: parent
    }
}
