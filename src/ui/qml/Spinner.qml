import QtQuick
import Ludowell

// The Mac's small indeterminate progress indicator: twelve spokes turning.
Item {
    id: spinner
    property color color: Style.text
    property real size: 14

    implicitWidth: size
    implicitHeight: size
    Accessible.role: Accessible.Indicator
    Accessible.name: qsTr("In progress")

    Item {
        id: spokes
        anchors.fill: parent
        Repeater {
            model: 12
            Rectangle {
                required property int index
                x: (spinner.size - width) / 2
                y: 0
                width: Math.max(1.5, spinner.size * 0.12)
                height: spinner.size * 0.3
                radius: width / 2
                color: spinner.color
                opacity: 0.2 + 0.8 * (index / 11)
                transformOrigin: Item.Center
                transform: Rotation {
                    origin.x: width / 2
                    origin.y: spinner.size / 2
                    angle: index * 30
                }
            }
        }
        RotationAnimator on rotation {
            from: 0
            to: 360
            duration: 1000
            loops: Animation.Infinite
            running: spinner.visible
        }
    }
}
