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
    Q_PROPERTY(bool loaded READ loaded NOTIFY sourceChanged)
    // A picture is being decoded for the item's present size.
    Q_PROPERTY(bool loading READ loading NOTIFY loadingChanged)

public:
    explicit ArtworkImage(QQuickItem* parent = nullptr);

    QUrl source() const { return source_; }
    void setSource(const QUrl& source);
    qreal radius() const { return radius_; }
    void setRadius(qreal radius);
    bool loaded() const { return fullSize_.isValid(); }
    bool loading() const { return decoding_.isValid(); }

    void paint(QPainter* painter) override;

signals:
    void sourceChanged();
    void radiusChanged();
    void loadingChanged();

protected:
    void geometryChange(const QRectF& newGeometry, const QRectF& oldGeometry) override;
    void itemChange(ItemChange change, const ItemChangeData& value) override;

private:
    QRectF target() const;
    // Decodes the picture at the size it is shown, off the GUI thread, so
    // the window's first frame does not wait for it.
    void decodeForSize();

    QUrl source_;
    // Only the file's header is read up front; the picture is decoded at
    // the size it is shown, again only when that size changes.
    QSize fullSize_;
    QImage shown_;
    QSize decoding_;
    qreal radius_ = 0;
};

}  // namespace ludowell::ui
