#pragma once
#include <QColor>

namespace ludowell::ui {

// The window's three shared colours (sRGB, opaque); the views see them as
// `gold`, `muted` and `surface`.
struct Palette {
    static QColor gold() { return QColor::fromRgbF(0.91f, 0.74f, 0.43f); }
    static QColor muted() { return QColor::fromRgbF(0.64f, 0.66f, 0.70f); }
    static QColor surface() { return QColor::fromRgbF(0.105f, 0.112f, 0.128f); }
};

}  // namespace ludowell::ui
