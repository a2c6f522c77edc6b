import QtQuick
import QtQuick.Layouts
import QtQuick.Templates as T
import Ludowell

// App updates on the Settings page: every value shown is the gate's, so the
// panel keeps no state of its own.
Rectangle {
    id: panel
    objectName: "updates-panel"
    property Updates updates: null

    readonly property bool automatic: updates ? updates.automatic : false
    readonly property bool canCheck: updates ? updates.canCheck : false
    readonly property bool installing: updates ? updates.installing : false

    color: Style.surface
    radius: Style.cardRadius
    implicitWidth: column.implicitWidth + 48
    implicitHeight: column.implicitHeight + 48

    ColumnLayout {
        id: column
        anchors.fill: parent
        anchors.margins: 24
        spacing: 17

        TextBlock {
            text: qsTr("App updates")
            font.pixelSize: 17
            font.weight: Font.DemiBold
            Accessible.role: Accessible.Heading
        }

        T.Switch {
            id: toggle
            objectName: "updates-automatic"
            Layout.fillWidth: true
            text: qsTr("Check for updates automatically")
            font.pixelSize: 13
            checked: panel.automatic
            focusPolicy: Qt.TabFocus
            Accessible.role: Accessible.CheckBox
            Accessible.name: text
            Keys.onReturnPressed: (event) => { event.accepted = true; if (enabled) { toggle(); toggled() } }
            Keys.onEnterPressed: (event) => { event.accepted = true; if (enabled) { toggle(); toggled() } }
            FocusRing {
                cornerRadius: 8
            }
            implicitHeight: Math.max(indicator.implicitHeight, contentItem.implicitHeight)

            // The framework stores the choice; the switch shows it once it
            // flows back through the gate.
            onToggled: {
                if (panel.updates) panel.updates.setAutomatic(checked)
                checked = Qt.binding(() => panel.automatic)
            }

            contentItem: TextBlock {
                text: toggle.text
                font: toggle.font
                rightPadding: toggle.indicator.width + 12
                verticalAlignment: Text.AlignVCenter
            }

            indicator: Rectangle {
                x: toggle.width - width
                anchors.verticalCenter: parent.verticalCenter
                implicitWidth: 38
                implicitHeight: 22
                radius: height / 2
                color: toggle.checked ? Style.gold : Style.switchOff
                Behavior on color { ColorAnimation { duration: 120 } }

                Rectangle {
                    width: 18
                    height: 18
                    radius: 9
                    y: 2
                    x: toggle.checked ? parent.width - width - 2 : 2
                    color: Style.knob
                    Behavior on x { NumberAnimation { duration: 120 } }
                }
            }
        }

        TextBlock {
            objectName: "updates-status"
            Layout.fillWidth: true
            text: panel.updates ? panel.updates.status : ""
            font.pixelSize: 12
            color: Style.muted
            wrapMode: Text.WordWrap
        }

        TextBlock {
            Layout.fillWidth: true
            text: qsTr("Installation waits for your game and Steam to close. Your games and saves stay in place.")
            font.pixelSize: 11
            color: Style.muted
            wrapMode: Text.WordWrap
        }

        QuietButton {
            objectName: "updates-check"
            text: qsTr("Check for Updates…")
            enabled: panel.canCheck && !panel.installing
            onClicked: if (panel.updates) panel.updates.check()
        }
    }
}
