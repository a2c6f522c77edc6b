import QtQuick
import QtQuick.Layouts
import QtQuick.Templates as T
import Ludowell

// How setup goes, answers to the usual questions, and the checks to run.
ColumnLayout {
    id: page
    spacing: 24

    component HelpCard: Rectangle {
        id: card
        property string number
        property string title
        property string text
        Layout.fillWidth: true
        implicitHeight: row.implicitHeight + 46
        radius: Style.cardRadius
        color: Style.surface
        Accessible.role: Accessible.Grouping
        Accessible.name: title
        RowLayout {
            id: row
            anchors.fill: parent
            anchors.margins: 23
            spacing: 18
            Rectangle {
                Layout.alignment: Qt.AlignTop
                implicitWidth: 35
                implicitHeight: 35
                radius: 10
                color: Style.goldTint
                TextBlock {
                    anchors.centerIn: parent
                    text: card.number
                    font.pixelSize: 15
                    font.weight: Font.DemiBold
                    color: Style.gold
                }
            }
            ColumnLayout {
                Layout.alignment: Qt.AlignTop
                Layout.fillWidth: true
                spacing: 8
                TextBlock {
                    Layout.fillWidth: true
                    text: card.title
                    font.pixelSize: 15
                    font.weight: Font.DemiBold
                    wrapMode: Text.WordWrap
                }
                TextBlock {
                    Layout.fillWidth: true
                    text: card.text
                    font.pixelSize: 12
                    color: Style.muted
                    lineSpacing: 4
                    wrapMode: Text.WordWrap
                }
            }
        }
    }

    // A question whose answer shows once it is opened; starts collapsed.
    component Question: ColumnLayout {
        id: section
        property string title
        property string answer
        property bool expanded: false
        spacing: 0

        T.AbstractButton {
            id: header
            objectName: "question"
            Layout.fillWidth: true
            implicitHeight: headerRow.implicitHeight + 4
            focusPolicy: Qt.TabFocus
            Accessible.role: Accessible.Button
            Accessible.name: section.title
            Accessible.description: section.expanded ? qsTr("Expanded") : qsTr("Collapsed")
            Keys.onReturnPressed: (event) => { event.accepted = true; clicked() }
            Keys.onEnterPressed: (event) => { event.accepted = true; clicked() }
            FocusRing {
                cornerRadius: 6
            }
            onClicked: section.expanded = !section.expanded
            contentItem: RowLayout {
                id: headerRow
                spacing: 8
                Text {
                    text: "\u203A"
                    color: Style.muted
                    font.pixelSize: 17
                    rotation: section.expanded ? 90 : 0
                    Layout.preferredWidth: 10
                    horizontalAlignment: Text.AlignHCenter
                    Behavior on rotation { NumberAnimation { duration: 120 } }
                }
                TextBlock {
                    Layout.fillWidth: true
                    text: section.title
                    font.pixelSize: 13
                    wrapMode: Text.WordWrap
                    opacity: header.down ? 0.7 : 1.0
                }
            }
        }
        // The help-answer style.
        TextBlock {
            objectName: "answer"
            visible: section.expanded
            Layout.fillWidth: true
            Layout.leftMargin: 18
            topPadding: 8
            bottomPadding: 5
            text: section.answer
            font.pixelSize: 12
            color: Style.muted
            lineSpacing: 4
            wrapMode: Text.WordWrap
        }
    }

    Heading {
        title: qsTr("A little help, whenever.")
        subtitle: qsTr("Everything you need to get from setup to your first game.")
    }

    HelpCard {
        number: "1"
        title: qsTr("Start with Get started")
        text: qsTr("Ludowell prepares Steam for this game. Review the component license, then let setup finish. Keep your Mac connected to the internet.")
    }
    HelpCard {
        number: "2"
        title: qsTr("Sign in directly to Steam")
        text: qsTr("Steam opens in a separate window. Use your Steam account or scan the QR code with the Steam mobile app. Complete Steam Guard if prompted. Ludowell never asks for your Steam password.")
    }
    HelpCard {
        number: "3"
        title: qsTr("Install once. Play whenever.")
        text: qsTr("After signing in, return here and choose I'm signed in, then Install with Steam. You need to own the game on Steam. Keep Steam's suggested installation folder. When it's finished, Play now appears automatically.")
    }

    Rectangle {
        objectName: "troubleshooting"
        Layout.fillWidth: true
        implicitHeight: questions.implicitHeight + 48
        radius: Style.cardRadius
        color: Style.surface
        ColumnLayout {
            id: questions
            anchors.fill: parent
            anchors.margins: 24
            spacing: 16
            TextBlock {
                text: qsTr("Something not quite right?")
                font.pixelSize: 17
                font.weight: Font.DemiBold
                Accessible.role: Accessible.Heading
            }
            Question {
                Layout.fillWidth: true
                title: qsTr("Steam is blank or hasn't appeared")
                answer: qsTr("The first launch can take a few minutes while Steam updates. Look for Steam in the Dock. If it remains blank, save and close any running game, use Close Steam session in Settings, then open Steam again.")
            }
            Question {
                Layout.fillWidth: true
                title: qsTr("I can't find my game in Steam")
                answer: qsTr("Check that you signed in to the account that owns the game. If Steam shows a price instead of Install, ownership is managed by Steam. This app doesn't include a game license.")
            }
            Question {
                Layout.fillWidth: true
                title: qsTr("Steam finished, but Play now isn't showing")
                answer: qsTr("Steam may still be unpacking or verifying the download. Check its Downloads page. Install into the default Steam library; other installation folders aren't supported in this version.")
            }
            Question {
                Layout.fillWidth: true
                title: qsTr("My game updated and won't launch")
                answer: qsTr("Some game versions need specific compatibility fixes. If this app asks for an update, get a newer Ludowell release. Your existing game files and saves stay in place.")
            }
        }
    }

    RowLayout {
        objectName: "help-actions"
        Layout.fillWidth: true
        spacing: 8
        enabled: !LibraryModel.busy
        QuietButton {
            objectName: "check-this-mac"
            text: qsTr("Check this Mac")
            onClicked: LibraryModel.launch("check")
        }
        QuietButton {
            objectName: "open-diagnostic-logs"
            text: qsTr("Open diagnostic logs")
            onClicked: LibraryModel.logs()
        }
        QuietButton {
            objectName: "save-support-report"
            text: qsTr("Save Support Report…")
            onClicked: LibraryModel.saveSupportReport()
        }
        Item { Layout.fillWidth: true }
    }

    ActivityPanel {
        Layout.fillWidth: true
    }

    MessageCard {
        objectName: "error-card"
        visible: !!LibraryModel.error
        Layout.fillWidth: true
        text: LibraryModel.error || ""
        isError: true
        onDismissed: LibraryModel.dismissError()
    }

    MessageCard {
        objectName: "notice-card"
        visible: !!LibraryModel.notice
        Layout.fillWidth: true
        text: LibraryModel.notice || ""
        isError: false
        onDismissed: LibraryModel.dismissNotice()
    }

    TextBlock {
        objectName: "requirements"
        Layout.fillWidth: true
        text: qsTr("Requires an Apple Silicon Mac, macOS 26 or later, and Rosetta. Ludowell is an independent app; it isn't affiliated with Apple, Microsoft or Valve. Game artwork and names belong to their respective owners.")
        font.pixelSize: 11
        color: Style.muted
        lineSpacing: 3
        wrapMode: Text.WordWrap
    }
}
