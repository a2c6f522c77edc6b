import QtQuick
import Ludowell

// Text in the system font at a size in points, with an optional extra
// space between lines.
Text {
    id: block
    property real lineSpacing: 0

    color: Style.text
    font.pixelSize: 13
    textFormat: Text.PlainText
    lineHeightMode: lineSpacing > 0 ? Text.FixedHeight : Text.ProportionalHeight
    lineHeight: lineSpacing > 0 ? metrics.height + lineSpacing : 1.0
    Accessible.role: Accessible.StaticText
    Accessible.name: text

    FontMetrics {
        id: metrics
        font: block.font
    }
}
