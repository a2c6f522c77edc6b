import QtQuick
import Ludowell

// One of the Mac's symbol images by name, from the drawings the app ships,
// filled with one colour. `size` is the symbol's point size.
Image {
    id: symbol
    property string name
    property color color: Style.text
    property real size: 13

    width: size
    height: size
    fillMode: Image.PreserveAspectFit
    smooth: true
    cache: true
    // Drawn at the screen's pixel density, then shown at its point size.
    readonly property real density: Screen.devicePixelRatio > 0 ? Screen.devicePixelRatio : 1
    sourceSize: Qt.size(Math.ceil(size * density), Math.ceil(size * density))
    source: name.length > 0
            ? "image://symbol/" + name + "?color=" + encodeURIComponent(color.toString())
            : ""
    Accessible.ignored: true
}
