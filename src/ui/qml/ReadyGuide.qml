import QtQuick
import QtQuick.Layouts
import Ludowell

// Shown once the game is playable.
Rectangle {
    id: guide
    property bool busy: false
    signal openSteam()

    implicitHeight: row.implicitHeight + 46
    radius: Style.cardRadius
    color: Style.surface

    RowLayout {
        id: row
        anchors.fill: parent
        anchors.margins: 23
        spacing: 16
        Symbol {
            name: "checkmark.circle.fill"
            size: 26
            color: Style.gold
        }
        ColumnLayout {
            Layout.fillWidth: true
            spacing: 6
            TextBlock {
                text: qsTr("You're all set.")
                font.pixelSize: 17
                font.weight: Font.DemiBold
            }
            TextBlock {
                Layout.fillWidth: true
                text: qsTr("Launch your game here. Steam takes care of your account, friends and updates.")
                font.pixelSize: 12
                color: Style.muted
                wrapMode: Text.Wrap
            }
        }
        QuietButton {
            objectName: "ready-open-steam"
            text: qsTr("Open Steam")
            enabled: !guide.busy
            onClicked: guide.openSteam()
        }
    }
}
