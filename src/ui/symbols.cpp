#include "ui/symbols.h"

#include <QColor>
#include <QDir>
#include <QHash>
#include <QIcon>
#include <QPainter>
#include <QUrlQuery>

namespace ludowell::ui {

QString themeIconName(const QString& symbol) {
    static const QHash<QString, QString> names{
        {"gamecontroller.fill", "input-gaming"},
        {"square.grid.2x2.fill", "view-grid"},
        {"questionmark.circle", "dialog-question"},
        {"slider.horizontal.3", "applications-system"},
        {"arrow.right", "go-next"},
        {"arrow.up.forward", "send-to"},
        {"arrow.down.to.line", "document-save"},
        {"arrow.down.circle", "folder-download"},
        {"play.fill", "media-playback-start"},
        {"checkmark", "object-select"},
        {"checkmark.circle.fill", "emblem-default"},
        {"xmark", "window-close"},
        {"exclamationmark.circle", "emblem-important"},
        {"info.circle", "help-about"},
        {"externaldrive.badge.checkmark", "drive-harddisk"},
        {"sparkles", "starred"},
    };
    return names.value(symbol, symbol);
}

void installIconTheme() {
    QStringList paths = QIcon::themeSearchPaths();
    QStringList dataDirs = qEnvironmentVariable("XDG_DATA_DIRS").split(':', Qt::SkipEmptyParts);
    if (dataDirs.isEmpty()) dataDirs = {"/usr/local/share", "/usr/share"};
    for (const QString& dir : dataDirs) {
        const QString icons = QDir(dir).filePath("icons");
        if (!paths.contains(icons) && QDir(icons).exists()) paths << icons;
    }
    QIcon::setThemeSearchPaths(paths);
    if (QIcon::themeName().isEmpty() || QIcon::themeName() == "hicolor") QIcon::setThemeName("Adwaita");
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
    // Themes ship their one-colour icons as "<name>-symbolic.symbolic.png";
    // the full-colour icon is only a fallback, and is recoloured all the same.
    const QString name = themeIconName(symbol);
    QIcon icon = QIcon::fromTheme(name + "-symbolic.symbolic");
    if (icon.isNull()) icon = QIcon::fromTheme(name + "-symbolic");
    if (icon.isNull()) icon = QIcon::fromTheme(name);

    QImage image(target, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    if (!icon.isNull()) {
        // Draw from the smallest stored size that is at least as large, so
        // the icon is only ever scaled down.
        QSize source;
        for (const QSize& stored : icon.availableSizes()) {
            if (stored.width() >= target.width() && (!source.isValid() || stored.width() < source.width())) source = stored;
        }
        if (!source.isValid()) source = target;
        const QImage drawn = icon.pixmap(source).toImage();
        QPainter painter(&image);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        const QSize fitted = drawn.size().scaled(target, Qt::KeepAspectRatio);
        painter.drawImage(QRect(QPoint((target.width() - fitted.width()) / 2, (target.height() - fitted.height()) / 2), fitted), drawn);
        painter.setCompositionMode(QPainter::CompositionMode_SourceIn);
        painter.fillRect(image.rect(), color);
    }
    if (size) *size = target;
    return image;
}

}  // namespace ludowell::ui
