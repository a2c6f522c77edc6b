import QtQuick
import QtQuick.Layouts
import Ludowell

// What the game's data root takes on disk, part by part, and the two
// clean-ups that free what the app can fetch again.
Rectangle {
    id: card
    objectName: "storage-card"
    readonly property var storage: LibraryModel.storage
    // The running step started here, so its activity shows here.
    property bool stepShown: false
    signal stepStarted()

    Layout.fillWidth: true
    implicitHeight: column.implicitHeight + 48
    radius: Style.cardRadius
    color: Style.surface

    // Measured afresh each time the page opens.
    Component.onCompleted: storage.measure()

    ColumnLayout {
        id: column
        anchors.fill: parent
        anchors.margins: 24
        spacing: 14

        RowLayout {
            Layout.fillWidth: true
            TextBlock {
                text: qsTr("Storage")
                font.pixelSize: 17
                font.weight: Font.DemiBold
            }
            Item { Layout.fillWidth: true }
            TextBlock {
                objectName: "storage-free"
                text: card.storage.measuring ? card.storage.progress : card.storage.free
                font.pixelSize: 11
                color: Style.muted
            }
            PlainButton {
                objectName: "storage-measure"
                text: qsTr("Measure again")
                enabled: !card.storage.measuring
                onClicked: card.storage.measure()
            }
        }

        Repeater {
            model: card.storage.parts
            RowLayout {
                required property var modelData
                required property int index
                Layout.fillWidth: true
                spacing: 10
                TextBlock {
                    text: modelData.name
                    font.pixelSize: 12
                    font.weight: Font.Medium
                }
                TextBlock {
                    visible: modelData.note.length > 0
                    text: modelData.note
                    font.pixelSize: 10
                    color: Style.gold
                }
                Item { Layout.fillWidth: true }
                TextBlock {
                    text: modelData.size
                    font.pixelSize: 12
                    color: Style.muted
                    Accessible.name: qsTr("%1: %2").arg(modelData.name).arg(modelData.size)
                }
                PlainButton {
                    objectName: "storage-show-" + index
                    text: qsTr("Show")
                    Accessible.name: qsTr("Show %1").arg(modelData.name)
                    onClicked: card.storage.show(index)
                }
            }
        }

        RowLayout {
            Layout.topMargin: 4
            spacing: 8
            enabled: !LibraryModel.busy
            QuietButton {
                objectName: "clean-downloads"
                text: qsTr("Remove downloaded installers…")
                onClicked: { card.stepStarted(); LibraryModel.cleanDownloads() }
            }
            QuietButton {
                objectName: "clean-logs"
                text: qsTr("Remove logs older than 30 days…")
                onClicked: { card.stepStarted(); LibraryModel.cleanLogs() }
            }
        }
        ActivityPanel {
            Layout.fillWidth: true
            visible: LibraryModel.busy && card.stepShown
        }
    }
    // A clean-up changes the numbers.
    Connections {
        target: LibraryModel
        function onStepEnded(command) { if (command.startsWith("clean-")) card.storage.measure() }
    }
}
