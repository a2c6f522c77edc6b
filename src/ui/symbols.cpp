#include "ui/symbols.h"

#include <QColor>
#include <QPainter>
#include <QSvgRenderer>
#include <QUrlQuery>

namespace ludowell::ui {

QImage drawSymbol(const QString& symbol, const QColor& color, const QSize& size) {
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QSvgRenderer drawing(QStringLiteral(":/Ludowell/symbols/%1.svg").arg(symbol));
    if (!drawing.isValid()) return image;
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const QSizeF fitted = drawing.defaultSize().scaled(size, Qt::KeepAspectRatio);
    drawing.render(&painter, QRectF(QPointF((size.width() - fitted.width()) / 2, (size.height() - fitted.height()) / 2),
                                    fitted));
    painter.setCompositionMode(QPainter::CompositionMode_SourceIn);
    painter.fillRect(image.rect(), color);
    return image;
}

QIcon applicationIcon() {
    QIcon icon;
    QSvgRenderer drawing(QStringLiteral(":/Ludowell/app-icon.svg"));
    for (int size : {32, 64, 128, 256}) {
        QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        drawing.render(&painter);
        painter.end();
        icon.addPixmap(QPixmap::fromImage(image));
    }
    return icon;
}

SymbolProvider::SymbolProvider() : QQuickImageProvider(QQuickImageProvider::Image) {}

QImage SymbolProvider::requestImage(const QString& id, QSize* size, const QSize& requestedSize) {
    const int question = id.indexOf('?');
    const QString symbol = question < 0 ? id : id.left(question);
    QColor color(Qt::white);
    if (question >= 0) {
        const QUrlQuery query(id.mid(question + 1));
        const QColor asked(query.queryItemValue("color", QUrl::FullyDecoded));
        if (asked.isValid()) color = asked;
    }
    const QSize target = requestedSize.isValid() && !requestedSize.isEmpty() ? requestedSize : QSize(32, 32);
    if (size) *size = target;
    return drawSymbol(symbol, color, target);
}

}  // namespace ludowell::ui
