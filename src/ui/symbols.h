#pragma once
#include <QIcon>
#include <QQuickImageProvider>
#include <QString>

namespace ludowell::ui {

// "image://symbol/<symbol name>?color=<#aarrggbb>": one of the Mac's symbol
// names, drawn from the one-colour drawing the app ships for it and filled
// with the colour. Nothing comes from the system's icon themes.
class SymbolProvider : public QQuickImageProvider {
public:
    SymbolProvider();
    QImage requestImage(const QString& id, QSize* size, const QSize& requestedSize) override;
};

// The symbol's drawing at `size`, filled with `color`; transparent when the
// app ships no such symbol.
QImage drawSymbol(const QString& symbol, const QColor& color, const QSize& size);

// The app's icon, drawn from the drawing it ships.
QIcon applicationIcon();

}  // namespace ludowell::ui
