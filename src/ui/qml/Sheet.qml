import QtQuick
import QtQuick.Controls

// A modal sheet centred over the window, shown while `presented` is true.
// Its content is built afresh each time it opens.
Popup {
    id: sheet
    property alias source: content.source
    property bool presented: false
    // The user closed the sheet by the system's own means (Escape).
    signal dismissed()

    parent: Overlay.overlay
    anchors.centerIn: parent
    modal: true
    focus: true
    padding: 0
    closePolicy: Popup.CloseOnEscape
    width: content.item && content.item.implicitWidth > 0 ? content.item.implicitWidth : 640
    height: Math.min(parent ? parent.height - 40 : 800,
                     content.item && content.item.implicitHeight > 0 ? content.item.implicitHeight : 400)

    onPresentedChanged: presented ? open() : close()
    Component.onCompleted: if (presented) open()
    onClosed: if (presented) dismissed()

    Overlay.modal: Rectangle { color: Qt.rgba(0, 0, 0, 0.45) }

    enter: Transition {
        NumberAnimation { property: "opacity"; from: 0; to: 1; duration: 150; easing.type: Easing.OutQuad }
    }
    exit: Transition {
        NumberAnimation { property: "opacity"; from: 1; to: 0; duration: 120; easing.type: Easing.InQuad }
    }

    background: Rectangle {
        color: surface
        radius: 12
        border.width: 1
        border.color: Qt.rgba(1, 1, 1, 0.1)
    }

    contentItem: Loader {
        id: content
        active: sheet.visible
        clip: true
    }
}
