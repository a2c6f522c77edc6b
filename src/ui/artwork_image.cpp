#include "ui/artwork_image.h"

#include <QFutureWatcher>
#include <QImageReader>
#include <QPainter>
#include <QPainterPath>
#include <QQuickWindow>
#include <QtConcurrent/QtConcurrentRun>

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
    decoding_ = QSize();
    if (source.isLocalFile()) {
        QImageReader reader(source.toLocalFile());
        if (reader.canRead()) fullSize_ = reader.size();
    }
    emit sourceChanged();
    decodeForSize();
    update();
}

void ArtworkImage::setRadius(qreal radius) {
    if (qFuzzyCompare(radius, radius_)) return;
    radius_ = radius;
    emit radiusChanged();
    update();
}

void ArtworkImage::geometryChange(const QRectF& newGeometry, const QRectF& oldGeometry) {
    QQuickPaintedItem::geometryChange(newGeometry, oldGeometry);
    if (newGeometry.size() != oldGeometry.size()) decodeForSize();
}

void ArtworkImage::itemChange(ItemChange change, const ItemChangeData& value) {
    QQuickPaintedItem::itemChange(change, value);
    if (change == ItemSceneChange || change == ItemDevicePixelRatioHasChanged) decodeForSize();
}

QRectF ArtworkImage::target() const {
    const QRectF bounds(0, 0, width(), height());
    const QSizeF filled = QSizeF(fullSize_).scaled(bounds.size(), Qt::KeepAspectRatioByExpanding);
    return QRectF(bounds.center() - QPointF(filled.width() / 2, filled.height() / 2), filled);
}

void ArtworkImage::decodeForSize() {
    if (!fullSize_.isValid() || width() <= 0 || height() <= 0) return;
    const qreal ratio = window() ? window()->effectiveDevicePixelRatio() : 1.0;
    const QSize pixels = (target().size() * ratio).toSize().boundedTo(fullSize_);
    if (pixels == shown_.size() || pixels == decoding_) return;
    decoding_ = pixels;
    emit loadingChanged();
    const QString file = source_.toLocalFile();
    auto* watcher = new QFutureWatcher<QImage>(this);
    connect(watcher, &QFutureWatcher<QImage>::finished, this, [this, watcher, file, pixels] {
        watcher->deleteLater();
        // A newer source or size has asked for another picture meanwhile.
        if (file != source_.toLocalFile() || pixels != decoding_) return;
        shown_ = watcher->result();
        decoding_ = QSize();
        emit loadingChanged();
        update();
    });
    watcher->setFuture(QtConcurrent::run([file, pixels] {
        QImageReader reader(file);
        reader.setScaledSize(pixels);
        return reader.read();
    }));
}

void ArtworkImage::paint(QPainter* painter) {
    if (!fullSize_.isValid() || shown_.isNull() || width() <= 0 || height() <= 0) return;
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setRenderHint(QPainter::SmoothPixmapTransform);
    QPainterPath clip;
    clip.addRoundedRect(QRectF(0, 0, width(), height()), radius_, radius_);
    painter->setClipPath(clip);
    painter->drawImage(target(), shown_);
}

}  // namespace ludowell::ui
