#pragma once
#include <QImage>
#include <QQuickPaintedItem>
#include <QUrl>
#include <QtQml/qqmlregistration.h>

namespace ludowell::ui {

// A picture from a file, scaled to fill the item (keeping its aspect ratio,
// cropping the overflow) and clipped to a rounded rectangle. A file that
// cannot be read leaves the item empty.
class ArtworkImage : public QQuickPaintedItem {
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(QUrl source READ source WRITE setSource NOTIFY sourceChanged)
    Q_PROPERTY(qreal radius READ radius WRITE setRadius NOTIFY radiusChanged)
    // The file has been read and is shown.
    Q_PROPERTY(bool loaded READ loaded NOTIFY loadedChanged)
    // The file is being read for the item's present size.
    Q_PROPERTY(bool loading READ loading NOTIFY loadingChanged)

public:
    explicit ArtworkImage(QQuickItem* parent = nullptr);

    QUrl source() const { return source_; }
    void setSource(const QUrl& source);
    qreal radius() const { return radius_; }
    void setRadius(qreal radius);
    bool loaded() const { return !shown_.isNull(); }
    bool loading() const { return decoding_.isValid(); }

    void paint(QPainter* painter) override;

signals:
    void sourceChanged();
    void radiusChanged();
    void loadedChanged();
    void loadingChanged();

protected:
    void geometryChange(const QRectF& newGeometry, const QRectF& oldGeometry) override;
    void itemChange(ItemChange change, const ItemChangeData& value) override;

private:
    // Reads the file on a worker, decoding it only at the size it is shown,
    // so that neither the window's first frame nor a resize waits for it.
    void decodeForSize();
    void show(const QImage& picture, const QSize& fullSize);

    QUrl source_;
    QSize fullSize_;
    QImage shown_;
    QSize decoding_;     // the pixel size of the box being read for
    QSize decodedFor_;   // the pixel size of the box `shown_` was read for
    qreal radius_ = 0;
};

}  // namespace ludowell::ui
