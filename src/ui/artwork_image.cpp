#include "ui/artwork_image.h"

#include <QFutureWatcher>
#include <QImageReader>
#include <QPainter>
#include <QPainterPath>
#include <QQuickWindow>
#include <QtConcurrent/QtConcurrentRun>

#include <utility>

namespace ludowell::ui {
namespace {

QRectF filling(const QSize& picture, const QSizeF& box) {
    const QSizeF filled = QSizeF(picture).scaled(box, Qt::KeepAspectRatioByExpanding);
    return QRectF(QPointF(box.width() - filled.width(), box.height() - filled.height()) / 2, filled);
}

}  // namespace

ArtworkImage::ArtworkImage(QQuickItem* parent) : QQuickPaintedItem(parent) {
    setAntialiasing(true);
    // Nothing to draw until a picture has been read.
    setFlag(ItemHasContents, false);
}

void ArtworkImage::setSource(const QUrl& source) {
    if (source == source_) return;
    source_ = source;
    // Read on every change: the file may have appeared or gone meanwhile.
    decodedFor_ = QSize();
    decoding_ = QSize();
    show(QImage(), QSize());
    emit sourceChanged();
    decodeForSize();
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

void ArtworkImage::decodeForSize() {
    if (!source_.isLocalFile() || width() <= 0 || height() <= 0) return;
    const QSizeF box = size();
    const qreal ratio = window() ? window()->effectiveDevicePixelRatio() : 1.0;
    const QSize pixels = (box * ratio).toSize();
    if (pixels == decodedFor_ || pixels == decoding_) return;
    const bool wasLoading = loading();
    decoding_ = pixels;
    if (!wasLoading) emit loadingChanged();

    const QString file = source_.toLocalFile();
    using Read = std::pair<QImage, QSize>;
    auto* watcher = new QFutureWatcher<Read>(this);
    connect(watcher, &QFutureWatcher<Read>::finished, this, [this, watcher, file, pixels] {
        watcher->deleteLater();
        // A newer source or size has asked for another picture meanwhile.
        if (file != source_.toLocalFile() || pixels != decoding_) return;
        decoding_ = QSize();
        decodedFor_ = pixels;
        const Read read = watcher->result();
        show(read.first, read.second);
        emit loadingChanged();
    });
    watcher->setFuture(QtConcurrent::run([file, box, ratio]() -> Read {
        QImageReader reader(file);
        if (!reader.canRead()) return {};
        const QSize full = reader.size();
        reader.setScaledSize((filling(full, box).size() * ratio).toSize().boundedTo(full));
        return {reader.read(), full};
    }));
}

void ArtworkImage::show(const QImage& picture, const QSize& fullSize) {
    const bool wasLoaded = loaded();
    shown_ = picture;
    fullSize_ = picture.isNull() ? QSize() : fullSize;
    // Once drawn, the item keeps its contents flag: without it update()
    // does nothing, and the picture already on screen would stay there
    // after the source changed to a game without one.
    if (loaded()) setFlag(ItemHasContents, true);
    if (flags() & ItemHasContents) update();
    if (loaded() != wasLoaded) emit loadedChanged();
}

void ArtworkImage::paint(QPainter* painter) {
    if (shown_.isNull() || width() <= 0 || height() <= 0) return;
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setRenderHint(QPainter::SmoothPixmapTransform);
    QPainterPath clip;
    clip.addRoundedRect(QRectF(0, 0, width(), height()), radius_, radius_);
    painter->setClipPath(clip);
    painter->drawImage(filling(fullSize_, size()), shown_);
}

}  // namespace ludowell::ui
