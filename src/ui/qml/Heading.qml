import QtQuick
import QtQuick.Layouts
import Ludowell

// The heading at the top of a secondary page.
ColumnLayout {
    property string title
    property string subtitle

    spacing: 8
    TextBlock {
        text: parent.title
        font.pixelSize: 30
        font.weight: Font.DemiBold
        Accessible.role: Accessible.Heading
    }
    TextBlock {
        text: parent.subtitle
        font.pixelSize: 13
        color: Style.muted
    }
}
