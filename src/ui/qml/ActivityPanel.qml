import QtQuick
import QtQuick.Controls
import QtQuick.Layouts

// The running step, shown on the page where it can be watched: the spinner
// and the activity text, a way to stop it, and for a pinned download the
// amount received of the expected total, a bar and the rate.
Rectangle {
    id: panel
    objectName: "activity-panel"
    readonly property color orange: Qt.rgba(1.0, 0.624, 0.039, 1)
    readonly property string line: model.stopping ? "Stopping…" : (model.activity || "Getting ready…")

    visible: model.busy
    implicitHeight: column.implicitHeight + 34
    radius: 12
    color: Qt.rgba(gold.r, gold.g, gold.b, 0.06)
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
                color: gold
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
                text: "Stop…"
                enabled: !model.stopping
                Accessible.description: "Stops the running step after asking"
                onClicked: model.cancel()
            }
        }

        ProgressBar {
            id: bar
            objectName: "transfer-bar"
            visible: model.transferShown
            Layout.fillWidth: true
            from: 0
            to: 1
            indeterminate: model.transferFraction < 0
            value: Math.max(0, Math.min(1, model.transferFraction))
            Accessible.role: Accessible.ProgressBar
            Accessible.name: "Download progress"
            Accessible.description: model.transferText
            background: Rectangle {
                implicitHeight: 6
                radius: 3
                color: Qt.rgba(1, 1, 1, 0.1)
            }
            contentItem: Item {
                implicitHeight: 6
                Rectangle {
                    width: bar.indeterminate ? parent.width * 0.25 : bar.visualPosition * parent.width
                    height: parent.height
                    radius: 3
                    color: gold
                }
            }
        }

        TextBlock {
            objectName: "transfer-text"
            visible: model.transferShown
            text: model.transferText
            font.pixelSize: 11
            color: muted
        }

        RowLayout {
            visible: model.transferShown && model.transferProblem.length > 0
            spacing: 8
            Symbol {
                name: "exclamationmark.circle"
                size: 12
                color: panel.orange
            }
            TextBlock {
                objectName: "transfer-problem"
                text: model.transferProblem
                font.pixelSize: 11
                Accessible.role: Accessible.AlertMessage
            }
        }
    }
}
