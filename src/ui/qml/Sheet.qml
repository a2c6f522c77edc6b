import QtQuick
import QtQuick.Controls
import Ludowell

// A sheet centred over the window, shown while `presented` is true. Its
// content is built afresh each time it opens. The page behind is blocked by
// the root view, not by a modal popup, so the menu bar (Edit › Copy) stays
// usable while a sheet is open; keyboard focus stays inside the sheet.
Popup {
    id: sheet
    property alias source: content.source
    property bool presented: false
    // The user closed the sheet by the system's own means (Escape).
    signal dismissed()

    parent: Overlay.overlay
    anchors.centerIn: parent
    modal: false
    focus: true
    padding: 0
    // Escape is handled below: a shortcut per sheet would clash with the
    // other sheet's and then close neither.
    closePolicy: Popup.NoAutoClose
    width: content.item && content.item.implicitWidth > 0 ? content.item.implicitWidth : 640
    height: Math.min(parent ? parent.height - 40 : 800,
                     content.item && content.item.implicitHeight > 0 ? content.item.implicitHeight : 400)

    onPresentedChanged: presented ? open() : close()
    Component.onCompleted: if (presented) open()
    onClosed: if (presented) dismissed()
    // The sheet's default button takes the focus, so Return presses it.
    onOpened: {
        const button = content.item ? content.item.defaultControl : null
        if (button && button.enabled) button.forceActiveFocus(Shell.keyboardUsed ? Qt.TabFocusReason : Qt.OtherFocusReason)
        else trap.forceActiveFocus()
    }

    enter: Transition {
        NumberAnimation { property: "opacity"; from: 0; to: 1; duration: 150; easing.type: Easing.OutQuad }
    }
    exit: Transition {
        NumberAnimation { property: "opacity"; from: 1; to: 0; duration: 120; easing.type: Easing.InQuad }
    }

    background: Rectangle {
        color: Style.surface
        radius: 12
        border.width: 1
        border.color: Style.hairline
    }

    contentItem: FocusScope {
        id: trap
        Accessible.role: Accessible.Dialog
        Accessible.name: content.item && content.item.title ? content.item.title : ""

        function inside(item) {
            for (let at = item; at; at = at.parent)
                if (at === trap) return true
            return false
        }
        // The controls of the sheet that Tab visits, in order.
        function chain() {
            const items = []
            let at = trap
            for (let step = 0; step < 400; ++step) {
                at = at.nextItemInFocusChain(true)
                if (!at || items.indexOf(at) >= 0) break
                if (inside(at) && at !== trap) items.push(at)
            }
            return items
        }
        // Tab and Shift-Tab wrap around inside the sheet.
        function move(forward) {
            const items = chain()
            if (items.length === 0) return
            const current = items.indexOf(sheet.contentItem.Window.activeFocusItem)
            const next = current < 0 ? (forward ? 0 : items.length - 1)
                                     : (current + (forward ? 1 : items.length - 1)) % items.length
            items[next].forceActiveFocus(forward ? Qt.TabFocusReason : Qt.BacktabFocusReason)
        }
        Keys.onTabPressed: (event) => { event.accepted = true; move(true) }
        Keys.onBacktabPressed: (event) => { event.accepted = true; move(false) }
        Keys.onEscapePressed: (event) => { event.accepted = true; sheet.dismissed() }

        Loader {
            id: content
            anchors.fill: parent
            active: sheet.visible
            clip: true
        }
    }
}
