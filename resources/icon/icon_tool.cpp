// Build-time tool: renders the app icon's drawing into the Mac's .icns
// (PNG images of every size the Finder and the Dock ask for).
//   ludowell_icon_tool ICON.svg OUTPUT.icns
#include <QBuffer>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdio>

namespace {

void appendBigEndian(QByteArray& out, quint32 value) {
    for (int shift = 24; shift >= 0; shift -= 8) out.append(char((value >> shift) & 0xff));
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fputs("Usage: ludowell_icon_tool ICON.svg OUTPUT.icns\n", stderr);
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QSvgRenderer drawing(QString::fromLocal8Bit(argv[1]));
    if (!drawing.isValid()) {
        std::fprintf(stderr, "ludowell_icon_tool: cannot read %s\n", argv[1]);
        return 1;
    }
    // The PNG types of the icns format, by pixel size.
    const std::pair<const char*, int> types[] = {{"icp4", 16},  {"icp5", 32},  {"icp6", 64},   {"ic07", 128},
                                                 {"ic08", 256}, {"ic09", 512}, {"ic10", 1024}};
    QByteArray body;
    for (const auto& [type, size] : types) {
        QImage image(size, size, QImage::Format_ARGB32);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        drawing.render(&painter);
        painter.end();
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        image.save(&buffer, "PNG");
        body.append(type, 4);
        appendBigEndian(body, quint32(8 + png.size()));
        body.append(png);
    }
    QByteArray icns("icns");
    appendBigEndian(icns, quint32(8 + body.size()));
    icns.append(body);
    const QString output = QString::fromLocal8Bit(argv[2]);
    QFile out(output + ".partial");
    if (!out.open(QIODevice::WriteOnly) || out.write(icns) != icns.size() || !out.flush()) return 1;
    out.close();
    QFile::remove(output);
    return QFile::rename(output + ".partial", output) ? 0 : 1;
}
