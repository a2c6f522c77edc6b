#pragma once
#include <QQuickImageProvider>
#include <QString>

namespace ludowell::ui {

// The views name their icons by the Mac's symbol names; here each one is
// drawn from the freedesktop icon theme instead.
QString themeIconName(const QString& symbol);

// Points the icon loader at the system's icon themes when the platform
// (offscreen, minimal) leaves it without one.
void installIconTheme();

// "image://symbol/<symbol name>?color=<#aarrggbb>": the theme's symbolic icon
// for the symbol, filled with one colour.
class SymbolProvider : public QQuickImageProvider {
public:
    SymbolProvider();
    QImage requestImage(const QString& id, QSize* size, const QSize& requestedSize) override;
};

}  // namespace ludowell::ui
