import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Ludowell

// The three guided steps while the game is not yet playable, with the
// sign-in and install blocks of the current step.
Rectangle {
    id: guide
    property string stage: "setup"
    property int step: 0
    property bool busy: false
    // Download fraction 0...1, or negative when Steam reports none.
    property real progress: -1

    signal signedIn()
    signal cantSeeSteam()
    signal openSteam()

    implicitHeight: column.implicitHeight + 46
    radius: Style.cardRadius
    color: Style.surface
    border.width: 1
    border.color: Style.faintLine

    ColumnLayout {
        id: column
        anchors.fill: parent
        anchors.margins: 23
        spacing: 20

        RowLayout {
            Layout.fillWidth: true
            TextBlock {
                objectName: "setup-title"
                text: guide.stage === "setup" ? qsTr("A few steps, then you're in.") : qsTr("Let's get you playing.")
                font.pixelSize: 17
                font.weight: Font.DemiBold
            }
            Item { Layout.fillWidth: true }
            TextBlock {
                objectName: "step-label"
                text: qsTr("STEP %1 OF %2").arg(guide.step + 1).arg(3)
                font.pixelSize: 9
                font.weight: Font.DemiBold
                font.letterSpacing: 1.1
                color: Style.gold
            }
        }

        RowLayout {
            Layout.fillWidth: true
            spacing: 18
            StepItem {
                Layout.fillWidth: true
                Layout.preferredWidth: 1
                Layout.alignment: Qt.AlignTop
                index: 0
                current: guide.step
                title: qsTr("Prepare your Mac")
                text: qsTr("We'll install Steam and the components your game needs.")
            }
            StepItem {
                Layout.fillWidth: true
                Layout.preferredWidth: 1
                Layout.alignment: Qt.AlignTop
                index: 1
                current: guide.step
                title: qsTr("Sign in to Steam")
                text: qsTr("Use your own account in the Steam window.")
            }
            StepItem {
                Layout.fillWidth: true
                Layout.preferredWidth: 1
                Layout.alignment: Qt.AlignTop
                index: 2
                current: guide.step
                title: qsTr("Install & play")
                text: qsTr("Download your game with Steam. Play from here next time.")
            }
        }

        // Signing in.
        Divider {
            visible: guide.stage === "signIn"
            overlay: 0.04
            Layout.fillWidth: true
        }
        RowLayout {
            visible: guide.stage === "signIn"
            Layout.fillWidth: true
            spacing: 20
            ColumnLayout {
                Layout.fillWidth: true
                Layout.alignment: Qt.AlignVCenter
                spacing: 6
                TextBlock {
                    text: qsTr("Sign in in the Steam window")
                    font.pixelSize: 13
                    font.weight: Font.DemiBold
                }
                TextBlock {
                    Layout.fillWidth: true
                    text: qsTr("Use your Steam username and password or Steam's QR code. Complete Steam Guard if asked, then return here.")
                    font.pixelSize: 12
                    color: Style.muted
                    wrapMode: Text.Wrap
                }
            }
            QuietButton {
                objectName: "signed-in"
                Layout.alignment: Qt.AlignVCenter
                text: qsTr("I'm signed in")
                enabled: !guide.busy
                onClicked: guide.signedIn()
            }
        }
        PlainButton {
            objectName: "cant-see-steam"
            visible: guide.stage === "signIn"
            text: qsTr("I can't see the Steam window")
            onClicked: guide.cantSeeSteam()
        }

        // Installing and downloading.
        Divider {
            visible: guide.stage === "install" || guide.stage === "downloading"
            overlay: 0.04
            Layout.fillWidth: true
        }
        RowLayout {
            visible: guide.stage === "install" || guide.stage === "downloading"
            Layout.fillWidth: true
            spacing: 8
            Symbol {
                Layout.alignment: Qt.AlignTop
                name: "arrow.down.circle"
                size: 15
                color: Style.gold
            }
            ColumnLayout {
                Layout.fillWidth: true
                Layout.alignment: Qt.AlignTop
                spacing: 7
                TextBlock {
                    objectName: "download-title"
                    text: guide.stage === "downloading" ? qsTr("Steam is downloading your game") : qsTr("Install your own copy through Steam")
                    font.pixelSize: 13
                    font.weight: Font.DemiBold
                }
                TextBlock {
                    Layout.fillWidth: true
                    text: guide.stage === "downloading"
                          ? qsTr("Keep Steam open while your game downloads. You can check progress in Steam’s Downloads tab. This page updates when the game is ready.")
                          : qsTr("Choose Install in Steam and keep the suggested folder. Leave Steam open; this page will update when the game is ready.")
                    font.pixelSize: 12
                    color: Style.muted
                    wrapMode: Text.Wrap
                }
                ProgressBar {
                    id: bar
                    objectName: "download-progress"
                    visible: guide.progress >= 0
                    Layout.fillWidth: true
                    Layout.topMargin: 2
                    from: 0
                    to: 1
                    value: Math.max(0, guide.progress)
                    Accessible.role: Accessible.ProgressBar
                    Accessible.name: qsTr("Game download progress")
                    Accessible.description: qsTr("%1% downloaded").arg(Math.floor(guide.progress * 100))
                    background: Rectangle {
                        implicitHeight: 6
                        radius: 3
                        color: Style.hairline
                    }
                    contentItem: Item {
                        implicitHeight: 6
                        Rectangle {
                            width: bar.visualPosition * parent.width
                            height: parent.height
                            radius: 3
                            color: Style.gold
                        }
                    }
                }
                TextBlock {
                    objectName: "download-percent"
                    visible: guide.progress >= 0
                    text: qsTr("%1% downloaded · Steam may still need to unpack or verify files").arg(Math.floor(guide.progress * 100))
                    font.pixelSize: 10
                    color: Style.muted
                }
            }
        }
        PlainButton {
            objectName: "not-signed-in"
            visible: guide.stage === "install"
            text: qsTr("Not signed in yet? Open Steam")
            enabled: !guide.busy
            onClicked: guide.openSteam()
        }
    }
}
