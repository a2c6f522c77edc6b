import QtQuick
import QtQuick.Layouts
import Ludowell

// One of the three setup steps, checked once the model has passed it.
RowLayout {
    id: item
    property int index
    property string title
    property string text
    property int current: 0

    readonly property bool reached: index <= current
    spacing: 10

    Rectangle {
        Layout.alignment: Qt.AlignTop
        implicitWidth: 26
        implicitHeight: 26
        radius: 13
        color: item.reached ? Style.stepReached : Style.stepIdle
        Symbol {
            anchors.centerIn: parent
            visible: item.index < item.current
            name: "checkmark"
            size: 12
            color: Style.gold
        }
        Text {
            anchors.centerIn: parent
            visible: item.index >= item.current
            text: item.index + 1
            font.pixelSize: 11
            font.weight: Font.DemiBold
            color: item.index === item.current ? Style.gold : Style.muted
        }
    }

    ColumnLayout {
        Layout.alignment: Qt.AlignTop
        Layout.fillWidth: true
        spacing: 7
        TextBlock {
            Layout.fillWidth: true
            text: item.title
            font.pixelSize: 12
            font.weight: Font.DemiBold
            color: item.reached ? Style.brightText : Style.muted
        }
        TextBlock {
            Layout.fillWidth: true
            text: item.text
            font.pixelSize: 11
            lineSpacing: 3
            color: Style.muted
            wrapMode: Text.Wrap
        }
    }
}
