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
    // Drawn off the GUI thread, and only once first shown: the window's
    // first frame waits for none of them.
    asynchronous: true
    property bool wanted: false
    onVisibleChanged: if (visible) wanted = true
    Component.onCompleted: if (visible) wanted = true
    // Drawn at the screen's pixel density, then shown at its point size.
    readonly property real density: Screen.devicePixelRatio > 0 ? Screen.devicePixelRatio : 1
    sourceSize: Qt.size(Math.ceil(size * density), Math.ceil(size * density))
    source: wanted && name.length > 0
            ? "image://symbol/" + name + "?color=" + encodeURIComponent(color.toString())
            : ""
    Accessible.ignored: true
}
