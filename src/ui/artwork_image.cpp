#include "ui/artwork_image.h"

#include <QPainter>
#include <QPainterPath>

namespace ludowell::ui {

ArtworkImage::ArtworkImage(QQuickItem* parent) : QQuickPaintedItem(parent) {
    setAntialiasing(true);
}

void ArtworkImage::setSource(const QUrl& source) {
    if (source == source_) return;
    source_ = source;
    // Read on every change: the file may have appeared or gone meanwhile.
    image_ = source.isLocalFile() ? QImage(source.toLocalFile()) : QImage();
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
    if (image_.isNull() || width() <= 0 || height() <= 0) return;
    const QRectF bounds(0, 0, width(), height());
    const QSizeF filled = QSizeF(image_.size()).scaled(bounds.size(), Qt::KeepAspectRatioByExpanding);
    const QRectF target(bounds.center() - QPointF(filled.width() / 2, filled.height() / 2), filled);

    painter->setRenderHint(QPainter::Antialiasing);
    painter->setRenderHint(QPainter::SmoothPixmapTransform);
    QPainterPath clip;
    clip.addRoundedRect(bounds, radius_, radius_);
    painter->setClipPath(clip);
    painter->drawImage(target, image_);
}

}  // namespace ludowell::ui
