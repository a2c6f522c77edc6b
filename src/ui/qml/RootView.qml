import QtQuick
import QtQuick.Controls
import QtQuick.Layouts

// The window's content: sidebar, divider, and the scrolling page area with
// the page the model names; the licence and diagnostics sheets on top.
Item {
    id: root

    RowLayout {
        anchors.fill: parent
        spacing: 0

        Sidebar {
            objectName: "sidebar"
            Layout.fillHeight: true
            Layout.preferredWidth: 180
        }

        Rectangle {
            Layout.fillHeight: true
            Layout.preferredWidth: 1
            color: Qt.rgba(1, 1, 1, 0.06)
        }

        Rectangle {
            Layout.fillWidth: true
            Layout.fillHeight: true
            color: Qt.rgba(0.065, 0.07, 0.08, 1)

            Flickable {
                id: scroller
                objectName: "page-scroll"
                anchors.fill: parent
                contentWidth: width
                contentHeight: pageStack.y + pageStack.implicitHeight + 32
                boundsBehavior: Flickable.StopAtBounds
                clip: true
                ScrollBar.vertical: ScrollBar { }

                ColumnLayout {
                    id: pageStack
                    x: 32
                    y: 56
                    width: Math.min(scroller.width, 1100) - 64
                    spacing: 24

                    Loader {
                        id: page
                        objectName: "page"
                        Layout.fillWidth: true
                        source: model.page === "Library" ? "LibraryPage.qml"
                              : model.page === "Help" ? "HelpPage.qml"
                              : "SettingsPage.qml"
                        onSourceChanged: {
                            scroller.contentY = 0
                            fadeIn.restart()
                        }
                        NumberAnimation {
                            id: fadeIn
                            target: page
                            property: "opacity"
                            from: 0
                            to: 1
                            duration: 150
                            easing.type: Easing.InOutQuad
                        }
                    }
                }
            }
        }
    }

    Sheet {
        objectName: "license-sheet"
        source: "LicenseSheet.qml"
        presented: model.showLicense
        onDismissed: model.showLicense = false
    }

    Sheet {
        objectName: "diagnostics-sheet"
        source: "DiagnosticsSheet.qml"
        presented: model.showDiagnostics
        onDismissed: model.showDiagnostics = false
    }
}
