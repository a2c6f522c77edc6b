#include "ui/artwork_image.h"

#include <QImageReader>
#include <QPainter>
#include <QQuickWindow>
#include <QPainterPath>

namespace ludowell::ui {

ArtworkImage::ArtworkImage(QQuickItem* parent) : QQuickPaintedItem(parent) {
    setAntialiasing(true);
}

void ArtworkImage::setSource(const QUrl& source) {
    if (source == source_) return;
    source_ = source;
    // Read on every change: the file may have appeared or gone meanwhile.
    fullSize_ = QSize();
    shown_ = QImage();
    if (source.isLocalFile()) {
        QImageReader reader(source.toLocalFile());
        if (reader.canRead()) fullSize_ = reader.size();
    }
    emit sourceChanged();
    update();
}

void ArtworkImage::setRadius(qreal radius) {
    if (qFuzzyCompare(radius, radius_)) return;
    radius_ = radius;
    emit radiusChanged();
    update();
}

void ArtworkImage::paint(QPainter* painter) {
    if (!fullSize_.isValid() || width() <= 0 || height() <= 0) return;
    const QRectF bounds(0, 0, width(), height());
    const QSizeF filled = QSizeF(fullSize_).scaled(bounds.size(), Qt::KeepAspectRatioByExpanding);
    const qreal ratio = window() ? window()->effectiveDevicePixelRatio() : 1.0;
    const QSize pixels = (filled * ratio).toSize().boundedTo(fullSize_);
    if (shown_.size() != pixels) {
        QImageReader reader(source_.toLocalFile());
        reader.setScaledSize(pixels);
        shown_ = reader.read();
        if (shown_.isNull()) return;
    }
    const QRectF target(bounds.center() - QPointF(filled.width() / 2, filled.height() / 2), filled);

    painter->setRenderHint(QPainter::Antialiasing);
    painter->setRenderHint(QPainter::SmoothPixmapTransform);
    QPainterPath clip;
    clip.addRoundedRect(bounds, radius_, radius_);
    painter->setClipPath(clip);
    painter->drawImage(target, shown_);
}

}  // namespace ludowell::ui
