#pragma once
// The window's one palette and its shared metrics. The views read it as the
// singleton `Style`; the alerts take the same colours.
#include <QColor>
#include <QObject>
#include <QtQml/qqmlregistration.h>

namespace ludowell::ui {

class Style : public QObject {
    Q_OBJECT
    QML_ELEMENT
    QML_SINGLETON

    // Grounds, darkest first.
    Q_PROPERTY(QColor window MEMBER window CONSTANT)
    Q_PROPERTY(QColor content MEMBER content CONSTANT)
    Q_PROPERTY(QColor sidebar MEMBER sidebar CONSTANT)
    Q_PROPERTY(QColor surface MEMBER surface CONSTANT)
    // The controls' palette (menus, fields, scroll bars).
    Q_PROPERTY(QColor controlDark MEMBER controlDark CONSTANT)
    Q_PROPERTY(QColor controlAlternate MEMBER controlAlternate CONSTANT)
    Q_PROPERTY(QColor controlMid MEMBER controlMid CONSTANT)
    Q_PROPERTY(QColor controlFace MEMBER controlFace CONSTANT)
    Q_PROPERTY(QColor controlMidlight MEMBER controlMidlight CONSTANT)
    Q_PROPERTY(QColor controlLight MEMBER controlLight CONSTANT)
    // Accent and signal colours (the platform's, dark appearance).
    Q_PROPERTY(QColor gold MEMBER gold CONSTANT)
    Q_PROPERTY(QColor orange MEMBER orange CONSTANT)
    Q_PROPERTY(QColor green MEMBER green CONSTANT)
    // Type.
    Q_PROPERTY(QColor brightText MEMBER brightText CONSTANT)
    Q_PROPERTY(QColor text MEMBER text CONSTANT)
    Q_PROPERTY(QColor strongText MEMBER strongText CONSTANT)
    Q_PROPERTY(QColor muted MEMBER muted CONSTANT)
    Q_PROPERTY(QColor faintText MEMBER faintText CONSTANT)
    Q_PROPERTY(QColor disabledText MEMBER disabledText CONSTANT)
    Q_PROPERTY(QColor onGold MEMBER onGold CONSTANT)
    Q_PROPERTY(QColor onGoldMuted MEMBER onGoldMuted CONSTANT)
    // Lines, fills and washes over the grounds.
    Q_PROPERTY(QColor knob MEMBER knob CONSTANT)
    Q_PROPERTY(QColor shadow MEMBER shadow CONSTANT)
    Q_PROPERTY(QColor hairline MEMBER hairline CONSTANT)
    Q_PROPERTY(QColor faintLine MEMBER faintLine CONSTANT)
    Q_PROPERTY(QColor quietFill MEMBER quietFill CONSTANT)
    Q_PROPERTY(QColor quietPressed MEMBER quietPressed CONSTANT)
    Q_PROPERTY(QColor switchOff MEMBER switchOff CONSTANT)
    Q_PROPERTY(QColor stepIdle MEMBER stepIdle CONSTANT)
    Q_PROPERTY(QColor stepReached MEMBER stepReached CONSTANT)
    Q_PROPERTY(QColor goldWash MEMBER goldWash CONSTANT)
    Q_PROPERTY(QColor goldTint MEMBER goldTint CONSTANT)
    Q_PROPERTY(QColor noticeTint MEMBER noticeTint CONSTANT)
    Q_PROPERTY(QColor errorTint MEMBER errorTint CONSTANT)
    Q_PROPERTY(QColor selection MEMBER selection CONSTANT)
    Q_PROPERTY(QColor well MEMBER well CONSTANT)
    Q_PROPERTY(QColor scrim MEMBER scrim CONSTANT)
    // The artwork card's shades, legends and edge.
    Q_PROPERTY(QColor artworkShadeTop MEMBER artworkShadeTop CONSTANT)
    Q_PROPERTY(QColor artworkShadeMiddle MEMBER artworkShadeMiddle CONSTANT)
    Q_PROPERTY(QColor artworkShadeBottom MEMBER artworkShadeBottom CONSTANT)
    Q_PROPERTY(QColor artworkShadeLeft MEMBER artworkShadeLeft CONSTANT)
    Q_PROPERTY(QColor artworkShadeRight MEMBER artworkShadeRight CONSTANT)
    Q_PROPERTY(QColor artworkTitleShadow MEMBER artworkTitleShadow CONSTANT)
    Q_PROPERTY(QColor artworkLabel MEMBER artworkLabel CONSTANT)
    Q_PROPERTY(QColor artworkSubtitle MEMBER artworkSubtitle CONSTANT)
    Q_PROPERTY(QColor artworkHint MEMBER artworkHint CONSTANT)
    Q_PROPERTY(QColor artworkGenre MEMBER artworkGenre CONSTANT)
    Q_PROPERTY(QColor artworkEdge MEMBER artworkEdge CONSTANT)
    // Metrics shared by every page.
    Q_PROPERTY(int cardRadius MEMBER cardRadius CONSTANT)
    Q_PROPERTY(int focusRingWidth MEMBER focusRingWidth CONSTANT)
    Q_PROPERTY(int focusRingGap MEMBER focusRingGap CONSTANT)

public:
    using QObject::QObject;

    static QColor rgba(float r, float g, float b, float a = 1) { return QColor::fromRgbF(r, g, b, a); }
    static QColor faded(QColor color, float alpha) {
        color.setAlphaF(alpha);
        return color;
    }
    static QColor white(float alpha) { return rgba(1, 1, 1, alpha); }
    // White at any opacity, for lines that a view lightens.
    Q_INVOKABLE QColor whiteAt(double alpha) const { return white(float(alpha)); }

    const QColor window = rgba(0.07f, 0.07f, 0.07f);
    const QColor content = rgba(0.065f, 0.07f, 0.08f);
    const QColor sidebar = rgba(0.085f, 0.092f, 0.105f);
    const QColor surface = rgba(0.105f, 0.112f, 0.128f);
    const QColor controlDark = rgba(0.05f, 0.05f, 0.06f);
    const QColor controlAlternate = rgba(0.13f, 0.14f, 0.16f);
    const QColor controlMid = rgba(0.14f, 0.15f, 0.17f);
    const QColor controlFace = rgba(0.16f, 0.17f, 0.19f);
    const QColor controlMidlight = rgba(0.18f, 0.19f, 0.22f);
    const QColor controlLight = rgba(0.22f, 0.23f, 0.26f);

    const QColor gold = rgba(0.91f, 0.74f, 0.43f);
    const QColor orange = rgba(1.0f, 0.624f, 0.039f);
    const QColor green = rgba(0.188f, 0.820f, 0.345f);

    const QColor brightText = white(1);
    const QColor text = white(0.85f);
    const QColor strongText = white(0.88f);
    const QColor muted = rgba(0.64f, 0.66f, 0.70f);
    const QColor faintText = faded(muted, 0.5f);
    const QColor disabledText = white(0.35f);
    const QColor onGold = rgba(0.12f, 0.10f, 0.07f);
    const QColor onGoldMuted = rgba(0.12f, 0.10f, 0.07f, 0.75f);

    const QColor knob = white(1);
    const QColor shadow = rgba(0, 0, 0);
    const QColor hairline = white(0.1f);
    const QColor faintLine = white(0.06f);
    const QColor quietFill = white(0.065f);
    const QColor quietPressed = white(0.12f);
    const QColor switchOff = white(0.16f);
    const QColor stepIdle = white(0.04f);
    const QColor stepReached = faded(gold, 0.12f);
    const QColor goldWash = faded(gold, 0.06f);
    const QColor goldTint = faded(gold, 0.1f);
    const QColor noticeTint = faded(gold, 0.08f);
    const QColor errorTint = faded(orange, 0.08f);
    const QColor selection = faded(gold, 0.35f);
    const QColor well = rgba(0, 0, 0, 0.22f);
    const QColor scrim = rgba(0, 0, 0, 0.45f);

    const QColor artworkShadeTop = rgba(0, 0, 0, 0.03f);
    const QColor artworkShadeMiddle = rgba(0, 0, 0, 0.2f);
    const QColor artworkShadeBottom = rgba(0.045f, 0.06f, 0.085f, 0.98f);
    const QColor artworkShadeLeft = rgba(0, 0, 0, 0.27f);
    const QColor artworkShadeRight = rgba(0, 0, 0, 0);
    const QColor artworkTitleShadow = rgba(0, 0, 0, 0.06f);
    const QColor artworkLabel = white(0.65f);
    const QColor artworkSubtitle = white(0.67f);
    const QColor artworkHint = white(0.55f);
    const QColor artworkGenre = white(0.5f);
    const QColor artworkEdge = white(0.09f);

    const int cardRadius = 14;
    const int focusRingWidth = 2;
    const int focusRingGap = 4;
};

}  // namespace ludowell::ui
