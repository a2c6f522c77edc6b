import QtQuick
import QtQuick.Layouts
import QtQuick.Templates as T
import Ludowell

// One sidebar entry; selected while the model shows the page of that title.
T.Button {
    id: control
    property string title
    property string symbol
    readonly property bool selected: LibraryModel.page === title
    readonly property color tint: selected ? Style.gold : Style.muted

    text: title
    implicitHeight: 42
    implicitWidth: row.implicitWidth + 24
    font.pixelSize: 13
    font.weight: Font.Medium
    focusPolicy: Qt.TabFocus
    Accessible.role: Accessible.Button
    Accessible.name: title
    Accessible.description: selected ? "Current page" : ""
    // Return and Enter press a focused button, as Space does.
    Keys.onReturnPressed: (event) => { event.accepted = true; if (enabled) clicked() }
    Keys.onEnterPressed: (event) => { event.accepted = true; if (enabled) clicked() }

    FocusRing {
        cornerRadius: 9
        anchors.margins: -2
    }

    onClicked: LibraryModel.page = title

    contentItem: Item {
        RowLayout {
            id: row
            anchors.fill: parent
            anchors.leftMargin: 12
            anchors.rightMargin: 12
            spacing: 10
            Item {
                implicitWidth: 17
                implicitHeight: 17
                Symbol {
                    anchors.centerIn: parent
                    name: control.symbol
                    size: 15
                    color: control.tint
                    Behavior on color { ColorAnimation { duration: 150; easing.type: Easing.InOutQuad } }
                }
            }
            Text {
                text: control.title
                font: control.font
                color: control.tint
                maximumLineCount: 1
                Behavior on color { ColorAnimation { duration: 150; easing.type: Easing.InOutQuad } }
            }
            Item { Layout.fillWidth: true }
            Rectangle {
                implicitWidth: 5
                implicitHeight: 5
                radius: 2.5
                color: Style.gold
                opacity: control.selected ? 1 : 0
                Behavior on opacity { NumberAnimation { duration: 150; easing.type: Easing.InOutQuad } }
            }
        }
    }

    background: Rectangle {
        radius: 9
        color: control.selected ? Style.goldTint : "transparent"
        Behavior on color { ColorAnimation { duration: 150; easing.type: Easing.InOutQuad } }
    }
}
