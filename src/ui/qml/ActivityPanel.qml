import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Ludowell

// The running step, shown on the page where it can be watched: the spinner
// and the activity text, a way to stop it, and for a pinned download the
// amount received of the expected total, a bar and the rate.
Rectangle {
    id: panel
    objectName: "activity-panel"
    readonly property string line: LibraryModel.stopping ? qsTr("Stopping…") : (LibraryModel.activity || qsTr("Getting ready…"))

    visible: LibraryModel.busy
    implicitHeight: column.implicitHeight + 34
    radius: 12
    color: Style.goldWash
    Accessible.role: Accessible.StatusBar
    Accessible.name: line

    ColumnLayout {
        id: column
        anchors.fill: parent
        anchors.margins: 17
        spacing: 10

        RowLayout {
            Layout.fillWidth: true
            spacing: 10
            Spinner {
                color: Style.gold
            }
            TextBlock {
                objectName: "activity-text"
                Layout.fillWidth: true
                text: panel.line
                font.pixelSize: 12
                font.weight: Font.Medium
                wrapMode: Text.Wrap
                Accessible.role: Accessible.StaticText
            }
            QuietButton {
                objectName: "stop-step"
                text: qsTr("Stop…")
                enabled: !LibraryModel.stopping
                Accessible.description: qsTr("Stops the running step after asking")
                onClicked: LibraryModel.cancel()
            }
        }

        ProgressBar {
            id: bar
            objectName: "transfer-bar"
            visible: LibraryModel.transferShown
            Layout.fillWidth: true
            from: 0
            to: 1
            indeterminate: LibraryModel.transferFraction < 0
            value: Math.max(0, Math.min(1, LibraryModel.transferFraction))
            Accessible.role: Accessible.ProgressBar
            Accessible.name: qsTr("Download progress")
            Accessible.description: LibraryModel.transferText
            background: Rectangle {
                implicitHeight: 6
                radius: 3
                color: Style.hairline
            }
            contentItem: Item {
                implicitHeight: 6
                Rectangle {
                    width: bar.indeterminate ? parent.width * 0.25 : bar.visualPosition * parent.width
                    height: parent.height
                    radius: 3
                    color: Style.gold
                }
            }
        }

        TextBlock {
            objectName: "transfer-text"
            visible: LibraryModel.transferShown
            text: LibraryModel.transferText
            font.pixelSize: 11
            color: Style.muted
        }

        RowLayout {
            visible: LibraryModel.transferShown && LibraryModel.transferProblem.length > 0
            spacing: 8
            Symbol {
                name: "exclamationmark.circle"
                size: 12
                color: Style.orange
            }
            TextBlock {
                objectName: "transfer-problem"
                text: LibraryModel.transferProblem
                font.pixelSize: 11
                Accessible.role: Accessible.AlertMessage
            }
        }
    }
}
