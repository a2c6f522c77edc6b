#include "app/update/info_plist.h"

#include <QFile>
#include <QXmlStreamReader>

namespace ludowell {

std::optional<QVariantMap> readInfoPlist(const std::filesystem::path& file) {
    QFile in(QString::fromStdString(file.string()));
    if (!in.open(QIODevice::ReadOnly)) return std::nullopt;
    QXmlStreamReader reader(&in);
    if (!reader.readNextStartElement() || reader.name() != QLatin1String("plist") || !reader.readNextStartElement() ||
        reader.name() != QLatin1String("dict"))
        return std::nullopt;
    QVariantMap values;
    QString key;
    while (reader.readNextStartElement()) {
        const auto name = reader.name();
        if (name == QLatin1String("key")) {
            key = reader.readElementText();
            continue;
        }
        if (name == QLatin1String("string")) {
            values.insert(key, reader.readElementText());
        } else if (name == QLatin1String("integer")) {
            values.insert(key, reader.readElementText().trimmed().toLongLong());
        } else if (name == QLatin1String("real")) {
            values.insert(key, reader.readElementText().trimmed().toDouble());
        } else if (name == QLatin1String("true") || name == QLatin1String("false")) {
            values.insert(key, name == QLatin1String("true"));
            reader.skipCurrentElement();
        } else {
            reader.skipCurrentElement();
        }
        key.clear();
    }
    if (reader.hasError()) return std::nullopt;
    return values;
}

QString bundleShortVersion(const std::filesystem::path& bundle) {
    const auto plist = readInfoPlist(bundle / "Contents" / "Info.plist");
    if (!plist) return {};
    const QVariant version = plist->value(QStringLiteral("CFBundleShortVersionString"));
    return version.typeId() == QMetaType::QString ? version.toString() : QString();
}

}  // namespace ludowell
