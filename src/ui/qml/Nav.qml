import QtQuick
import QtQuick.Templates as T
import Ludowell

// One sidebar entry; selected while the model shows the page of that title.
T.Button {
    id: control
    property string title
    property string symbol
    property string label: title  // shown; title is the page
    readonly property bool selected: LibraryModel.page === title
    readonly property color tint: selected ? Style.gold : Style.muted

    text: control.label
    implicitHeight: 42
    implicitWidth: contentItem.implicitWidth
    font.pixelSize: 13
    font.weight: Font.Medium
    focusPolicy: Qt.TabFocus
    Accessible.role: Accessible.Button
    Accessible.name: control.label
    Accessible.description: selected ? qsTr("Current page") : ""
    // Return and Enter press a focused button, as Space does.
    Keys.onReturnPressed: (event) => { event.accepted = true; if (enabled) clicked() }
    Keys.onEnterPressed: (event) => { event.accepted = true; if (enabled) clicked() }

    FocusRing {
        cornerRadius: 9
        anchors.margins: -2
    }

    onClicked: LibraryModel.page = title

    // Placed with anchors, which cost less to build than a layout.
    contentItem: Item {
        // Room for the dot beside the longest label, in any language.
        implicitWidth: 12 + 17 + 10 + caption.implicitWidth + 6 + 5 + 12
        Item {
            id: mark
            x: 12
            y: Math.round((parent.height - height) / 2)
            width: 17
            height: 17
            Symbol {
                anchors.centerIn: parent
                name: control.symbol
                size: 15
                color: control.tint
                Behavior on color { ColorAnimation { duration: 150; easing.type: Easing.InOutQuad } }
            }
        }
        Text {
            id: caption
            x: mark.x + mark.width + 10
            y: Math.round((parent.height - height) / 2)
            text: control.text
            font: control.font
            color: control.tint
            maximumLineCount: 1
            Behavior on color { ColorAnimation { duration: 150; easing.type: Easing.InOutQuad } }
        }
        Rectangle {
            anchors.right: parent.right
            anchors.rightMargin: 12
            y: Math.round((parent.height - height) / 2)
            width: 5
            height: 5
            radius: 2.5
            color: Style.gold
            opacity: control.selected ? 1 : 0
            Behavior on opacity { NumberAnimation { duration: 150; easing.type: Easing.InOutQuad } }
        }
    }

    background: Rectangle {
        radius: 9
        color: control.selected ? Style.goldTint : "transparent"
        Behavior on color { ColorAnimation { duration: 150; easing.type: Easing.InOutQuad } }
    }
}
