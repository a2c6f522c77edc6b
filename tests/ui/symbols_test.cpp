// Every symbol the window names is drawn from what the app ships: the
// tests run with no icon theme to fall back on.
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSet>

#include <gtest/gtest.h>

#include "ui/symbols.h"

namespace {

// Symbol names ("play.fill") as the views and the model spell them.
QSet<QString> namedSymbols() {
    QSet<QString> names;
    const QRegularExpression symbol(QStringLiteral("\"([a-z][a-z0-9]*(?:\\.[a-z0-9]+)+)\""));
    for (const char* folder : {"src/ui/qml", "src/app/model"}) {
        const QDir dir(QStringLiteral(LUDOWELL_SOURCE_DIR "/") + folder);
        for (const QString& file : dir.entryList({"*.qml", "*.cpp"}, QDir::Files)) {
            QFile in(dir.filePath(file));
            if (!in.open(QIODevice::ReadOnly)) continue;
            for (const auto& match : symbol.globalMatch(QString::fromUtf8(in.readAll())))
                names.insert(match.captured(1));
        }
    }
    return names;
}

int opaquePixels(const QImage& image) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) count += qAlpha(image.pixel(x, y)) > 128;
    return count;
}

TEST(Symbols, EveryNamedSymbolAndTheIconAreDrawnWithoutAnIconTheme) {
    const auto names = namedSymbols();
    ASSERT_GE(names.size(), 12);
    for (const QString& name : names) {
        const QImage drawn = ludowell::ui::drawSymbol(name, Qt::white, QSize(32, 32));
        EXPECT_GT(opaquePixels(drawn), 20) << name.toStdString() << " draws nothing";
    }
    EXPECT_EQ(opaquePixels(ludowell::ui::drawSymbol("no.such.symbol", Qt::white, QSize(32, 32))), 0);
    const QImage icon = ludowell::ui::applicationIcon().pixmap(128, 128).toImage();
    EXPECT_GT(opaquePixels(icon), 128 * 128 / 2);
}

}  // namespace
