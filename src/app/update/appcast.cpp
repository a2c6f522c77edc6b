#include "app/update/appcast.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QFile>
#include <QXmlStreamReader>

#include <memory>

#include <openssl/evp.h>

namespace ludowell::appcast {
namespace {

constexpr auto kSparkleNamespace = "http://www.andymatuschak.org/xml-namespaces/sparkle";

bool isSparkle(QStringView namespaceUri, QStringView qualifiedName, QStringView prefix) {
    return namespaceUri == QLatin1String(kSparkleNamespace) || qualifiedName.startsWith(QLatin1String("sparkle:")) ||
           prefix == QLatin1String("sparkle");
}

QString sparkleAttribute(const QXmlStreamAttributes& attributes, const char* name) {
    for (const auto& attribute : attributes)
        if (attribute.name() == QLatin1String(name) &&
            isSparkle(attribute.namespaceUri(), attribute.qualifiedName(), attribute.prefix()))
            return attribute.value().toString().trimmed();
    return {};
}

AppcastItem readItem(QXmlStreamReader& reader, bool& hasEnclosure) {
    AppcastItem item;
    QString version, shortVersion;
    while (reader.readNextStartElement()) {
        const auto name = reader.name();
        const bool sparkle = isSparkle(reader.namespaceUri(), reader.qualifiedName(), reader.prefix());
        if (sparkle && name == QLatin1String("version")) {
            version = reader.readElementText().trimmed();
        } else if (sparkle && name == QLatin1String("shortVersionString")) {
            shortVersion = reader.readElementText().trimmed();
        } else if (sparkle && name == QLatin1String("minimumSystemVersion")) {
            item.minimumSystemVersion = reader.readElementText().trimmed().toStdString();
        } else if (sparkle && name == QLatin1String("maximumSystemVersion")) {
            item.maximumSystemVersion = reader.readElementText().trimmed().toStdString();
        } else if (!sparkle && name == QLatin1String("title")) {
            item.title = reader.readElementText().trimmed().toStdString();
        } else if (!sparkle && name == QLatin1String("enclosure")) {
            const auto attributes = reader.attributes();
            hasEnclosure = true;
            item.url = attributes.value("url").toString().trimmed().toStdString();
            item.length = attributes.value("length").toString().trimmed().toLongLong();
            item.edSignature = sparkleAttribute(attributes, "edSignature").toStdString();
            // Older feeds put the versions on the enclosure.
            if (version.isEmpty()) version = sparkleAttribute(attributes, "version");
            if (shortVersion.isEmpty()) shortVersion = sparkleAttribute(attributes, "shortVersionString");
            reader.skipCurrentElement();
        } else {
            reader.skipCurrentElement();
        }
    }
    item.version = version.toStdString();
    item.displayVersionString = (shortVersion.isEmpty() ? version : shortVersion).toStdString();
    return item;
}

// A version as the Mac updater reads it: runs of digits and runs of
// letters; anything else only separates them.
struct Token {
    bool number;
    std::string text;  // digits without leading zeros, or lower-case letters
};

std::vector<Token> tokens(const std::string& version) {
    std::vector<Token> parts;
    auto kind = [](char c) {
        if (c >= '0' && c <= '9') return 1;
        if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z')) return 2;
        return 0;
    };
    for (size_t i = 0; i < version.size();) {
        const int k = kind(version[i]);
        if (!k) {
            ++i;
            continue;
        }
        size_t end = i;
        while (end < version.size() && kind(version[end]) == k) ++end;
        std::string run = version.substr(i, end - i);
        if (k == 1) {
            const auto first = run.find_first_not_of('0');
            run = first == std::string::npos ? "0" : run.substr(first);
        } else {
            for (char& c : run) c = char(c | 0x20);
        }
        parts.push_back({k == 1, std::move(run)});
        i = end;
    }
    return parts;
}

int sign(int value) { return (value > 0) - (value < 0); }

// Kept as text, so long digit runs cannot overflow.
int compareNumbers(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) return a.size() < b.size() ? -1 : 1;
    return sign(a.compare(b));
}

// The item's system range, where it has one, holds the host's version.
bool suitsHost(const AppcastItem& item, const std::string& host) {
    if (!item.minimumSystemVersion.empty() && compareVersions(host, item.minimumSystemVersion) < 0) return false;
    if (!item.maximumSystemVersion.empty() && compareVersions(host, item.maximumSystemVersion) > 0) return false;
    return true;
}

// Qt's messages end with a period of their own.
std::string sentence(std::string text) {
    while (!text.empty() && (text.back() == ' ' || text.back() == '.')) text.pop_back();
    return text + ".";
}

}  // namespace

std::vector<AppcastItem> parse(const std::string& xml) {
    QXmlStreamReader reader(QByteArray::fromStdString(xml));
    std::vector<AppcastItem> items;
    if (!reader.readNextStartElement() || reader.name() != QLatin1String("rss")) {
        if (!reader.hasError())
            throw UpdateError(kErrorDomain, feedInvalid,
                              QCoreApplication::translate("ludowell::LinuxUpdateService",
                                                          "The update feed is not an appcast.")
                                  .toStdString());
    } else {
        while (reader.readNextStartElement()) {
            if (reader.name() != QLatin1String("channel")) {
                reader.skipCurrentElement();
                continue;
            }
            while (reader.readNextStartElement()) {
                if (reader.name() != QLatin1String("item")) {
                    reader.skipCurrentElement();
                    continue;
                }
                bool hasEnclosure = false;
                auto item = readItem(reader, hasEnclosure);
                if (hasEnclosure && !item.version.empty() && !item.url.empty()) items.push_back(std::move(item));
            }
        }
    }
    if (reader.hasError())
        throw UpdateError(kErrorDomain, feedInvalid,
                          QCoreApplication::translate("ludowell::LinuxUpdateService",
                                                      "The update feed could not be read: %1")
                              .arg(QString::fromStdString(sentence(reader.errorString().toStdString())))
                              .toStdString());
    return items;
}

int compareVersions(const std::string& a, const std::string& b) {
    const auto left = tokens(a), right = tokens(b);
    static const Token zero{true, "0"};
    for (size_t i = 0; i < std::max(left.size(), right.size()); ++i) {
        // A missing part is 0, unless the other side goes on with a word:
        // then that side is a pre-release of this one (1.0b1 < 1.0).
        const Token& l = i < left.size() ? left[i] : zero;
        const Token& r = i < right.size() ? right[i] : zero;
        if (i >= left.size() && !r.number) return 1;
        if (i >= right.size() && !l.number) return -1;
        if (l.number != r.number) return l.number ? 1 : -1;  // 1.0.1 > 1.0a1
        const int order = l.number ? compareNumbers(l.text, r.text) : sign(l.text.compare(r.text));
        if (order) return order;
    }
    return 0;
}

std::optional<AppcastItem> newest(const std::vector<AppcastItem>& items, const std::string& current,
                                  const std::string& hostSystemVersion) {
    std::optional<AppcastItem> best;
    for (const auto& item : items)
        if (suitsHost(item, hostSystemVersion) && compareVersions(item.version, best ? best->version : current) > 0)
            best = item;
    return best;
}

bool verifySignature(const std::filesystem::path& file, const std::string& signature,
                     const std::string& publicKey) {
    const auto decode = [](const std::string& text) {
        auto result = QByteArray::fromBase64Encoding(QByteArray::fromStdString(text),
                                                     QByteArray::AbortOnBase64DecodingErrors);
        return result ? *result : QByteArray();
    };
    const QByteArray key = decode(publicKey), sig = decode(signature);
    if (key.size() != 32 || sig.size() != 64) return false;

    std::unique_ptr<EVP_PKEY, decltype(&EVP_PKEY_free)> pkey(
        EVP_PKEY_new_raw_public_key(EVP_PKEY_ED25519, nullptr,
                                    reinterpret_cast<const unsigned char*>(key.constData()), key.size()),
        EVP_PKEY_free);
    std::unique_ptr<EVP_MD_CTX, decltype(&EVP_MD_CTX_free)> context(EVP_MD_CTX_new(), EVP_MD_CTX_free);
    if (!pkey || !context) return false;

    QFile in(QString::fromStdString(file.string()));
    if (!in.open(QIODevice::ReadOnly)) return false;
    // Ed25519 signs the whole message at once; mapping avoids a second copy.
    const qint64 size = in.size();
    static const unsigned char empty = 0;
    const unsigned char* data = size > 0 ? in.map(0, size) : &empty;
    if (!data) return false;

    return EVP_DigestVerifyInit(context.get(), nullptr, nullptr, nullptr, pkey.get()) == 1 &&
           EVP_DigestVerify(context.get(), reinterpret_cast<const unsigned char*>(sig.constData()), sig.size(), data,
                            size_t(size)) == 1;
}

}  // namespace ludowell::appcast
