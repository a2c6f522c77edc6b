import QtQuick
import QtQuick.Controls
import Ludowell

// The window's content: sidebar, divider, and the scrolling page area with
// the page the model names; the licence and diagnostics sheets on top.
Item {
    id: root
    readonly property bool sheetShown: LibraryModel.showLicense || LibraryModel.showDiagnostics

    // Scrolls the page so that `item`, if it is on the page, is in view.
    function reveal(item) {
        let at = item
        while (at && at !== pageStack) at = at.parent
        if (!at || !item.visible) return
        const top = item.mapToItem(pageStack, 0, 0).y + pageStack.y - 16
        const bottom = top + item.height + 32
        const limit = Math.max(0, scroller.contentHeight - scroller.height)
        if (top < scroller.contentY) scroller.contentY = Math.max(0, top)
        else if (bottom > scroller.contentY + scroller.height) scroller.contentY = Math.min(limit, bottom - scroller.height)
    }
    // The first shown item of that name on the current page.
    function shownOnPage(name) {
        const queue = page.item ? [page.item] : []
        while (queue.length > 0) {
            const item = queue.shift()
            if (item.objectName === name && item.visible && item.height > 0) return item
            for (let i = 0; i < item.children.length; ++i) queue.push(item.children[i])
        }
        return null
    }

    // Keyboard focus never moves out of sight. Only controls count: focus
    // that falls back to the page itself (its button was disabled) must not
    // scroll it.
    Connections {
        target: root.Window.window
        function onActiveFocusItemChanged() {
            const item = root.Window.window.activeFocusItem
            if (item && item.activeFocusOnTab) {
                root.reveal(item)
                if (!root.inPopup(item)) root.lastControl = item
                root.hadControl = true
            }
            landing.restart()
        }
        function onActiveChanged() { landing.restart() }
    }

    // When the focused control goes away (disabled by a step, hidden by the
    // next stage, its sheet or menu closed), the focus lands on the control
    // the user needs next instead of dropping back to the window: the one
    // it was on, once usable again, else the game's primary action, else
    // the running step's Stop button. Otherwise the next Tab would start
    // over at the sidebar.
    property Item lastControl: null
    property bool hadControl: false
    function inPopup(item) {
        for (let at = item; at; at = at.parent)
            if (at === Overlay.overlay) return true
        return false
    }
    function usable(item) {
        return !!item && item.visible && item.enabled && item.width > 0 && !inPopup(item)
    }
    // A menu, a sheet, a control or a text the user is in keeps the focus.
    function holdsFocus(item) {
        return !!item && (inPopup(item) || ((item.activeFocusOnTab || typeof item.selectAll === "function") && usable(item)))
    }
    function landFocus() {
        const window = root.Window.window
        // While an alert is up the window has no focus to give; it gets
        // it back when the alert has gone.
        if (!window || !window.active || !root.hadControl || root.sheetShown) return
        const now = window.activeFocusItem
        // Handed back without its ring (a menu closed): a keyboard user
        // still needs to see where it is.
        if (now === root.lastControl && Shell.keyboardUsed && now.visualFocus === false && usable(now))
            now.focusReason = Qt.TabFocusReason
        if (holdsFocus(now)) return
        const next = [root.lastControl, root.shownOnPage("primary-action"), root.shownOnPage("stop-step")]
                     .find(item => root.usable(item))
        if (next) next.forceActiveFocus(Shell.keyboardUsed ? Qt.TabFocusReason : Qt.OtherFocusReason)
    }
    // Once the page has settled after the change: what was not usable a
    // moment ago may be now that a step has ended or the stage moved on.
    Timer {
        id: landing
        interval: 30
        onTriggered: root.landFocus()
    }
    Connections {
        target: LibraryModel
        function onBusyChanged() { landing.restart() }
        function onPresentationChanged() { landing.restart() }
        function onLaunchingChanged() { landing.restart() }
        function onPageChanged() { landing.restart() }
    }
    onSheetShownChanged: landing.restart()
    // A step's activity, and then its result, are scrolled into view where
    // the step started; while it runs the page keeps its height, so clearing
    // the last message does not make it jump.
    property real heldHeight: 0
    Connections {
        target: LibraryModel
        function onBusyChanged() {
            root.heldHeight = LibraryModel.busy ? scroller.contentHeight : 0
            if (LibraryModel.busy) root.revealSoon("activity-panel")
        }
        function onNoticeChanged() { if (LibraryModel.notice) root.revealSoon("notice-card") }
        function onErrorChanged() { if (LibraryModel.error) root.revealSoon("error-card") }
    }
    // Once the page has been laid out with the new part in it.
    function revealSoon(name) {
        revealTimer.target = name
        revealTimer.restart()
    }
    Timer {
        id: revealTimer
        property string target
        interval: 30
        onTriggered: root.reveal(root.shownOnPage(target))
    }

    // The first frame shows the panels; the sidebar's entries and the
    // page are built as soon as it is on screen.
    Rectangle {
        id: sidebar
        // Grows when a language's entries need more room.
        width: Math.max(180, sidebarContent.item ? sidebarContent.item.implicitWidth : 0)
        height: parent.height
        color: Style.sidebar
        Loader {
            id: sidebarContent
            anchors.fill: parent
            active: Shell.windowShown
            source: "Sidebar.qml"
        }
    }

    Rectangle {
        id: sidebarEdge
        anchors.left: sidebar.right
        width: 1
        height: parent.height
        color: Style.faintLine
    }

    Rectangle {
        anchors.left: sidebarEdge.right
        anchors.right: parent.right
        height: parent.height
        color: Style.content

        Flickable {
            id: scroller
            objectName: "page-scroll"
            anchors.fill: parent
            contentWidth: width
            contentHeight: Math.max(pageStack.y + pageStack.implicitHeight + 32, root.heldHeight)
            boundsBehavior: Flickable.StopAtBounds
            clip: true
            ScrollBar.vertical: ScrollBar { }

            Item {
                id: pageStack
                x: 32
                y: 56
                width: Math.min(scroller.width, 1100) - 64
                implicitHeight: page.implicitHeight

                Loader {
                    id: page
                    objectName: "page"
                    width: parent.width
                    source: LibraryModel.page === "Library" ? "LibraryPage.qml"
                          : LibraryModel.page === "Help" ? "HelpPage.qml"
                          : "SettingsPage.qml"
                    // Built once the window is on screen, off the GUI
                    // thread's path; it fades in once it is there.
                    active: Shell.windowShown
                    asynchronous: true
                    onSourceChanged: {
                        scroller.contentY = 0
                        page.opacity = 0
                    }
                    onLoaded: fadeIn.restart()
                    NumberAnimation {
                        id: fadeIn
                        target: page
                        property: "opacity"
                        from: 0
                        to: 1
                        duration: 150
                        easing.type: Easing.InOutQuad
                    }
                }
            }
        }
    }

    // While a sheet is up the window behind it is dimmed and takes no
    // clicks; the menu bar above stays usable.
    Rectangle {
        objectName: "sheet-backdrop"
        anchors.fill: parent
        visible: root.sheetShown
        color: Style.scrim
        MouseArea {
            anchors.fill: parent
            hoverEnabled: true
            acceptedButtons: Qt.AllButtons
            onWheel: (wheel) => { wheel.accepted = true }
        }
    }

    // Each sheet is built the first time it is presented, and then kept
    // for its closing transition and the next time. Loaded by name, so
    // that the window's first frame does not wait for the popup types.
    Loader {
        id: licenceSheet
        active: false
    }
    Connections {
        target: licenceSheet.item
        function onDismissed() { LibraryModel.showLicense = false }
    }

    Loader {
        id: diagnosticsSheet
        active: false
    }
    Connections {
        target: diagnosticsSheet.item
        function onDismissed() { LibraryModel.showDiagnostics = false }
    }

    function buildSheet(loader, name, content, presented) {
        loader.setSource("Sheet.qml", {objectName: name, source: content, presented: presented})
        loader.active = true
    }
    function buildSheets() {
        if (LibraryModel.showLicense && !licenceSheet.active)
            buildSheet(licenceSheet, "license-sheet", "LicenseSheet.qml", Qt.binding(() => LibraryModel.showLicense))
        if (LibraryModel.showDiagnostics && !diagnosticsSheet.active)
            buildSheet(diagnosticsSheet, "diagnostics-sheet", "DiagnosticsSheet.qml",
                       Qt.binding(() => LibraryModel.showDiagnostics))
    }
    Component.onCompleted: buildSheets()
    Connections {
        target: LibraryModel
        function onShowLicenseChanged() { root.buildSheets() }
        function onShowDiagnosticsChanged() { root.buildSheets() }
    }
}
