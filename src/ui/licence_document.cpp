#include "ui/licence_document.h"

#include <QFile>
#include <QFileInfo>

#include "platform/host.h"
#include "ui/rtf_reader.h"

namespace ludowell::ui {
namespace {
// Far beyond any licence; a file this large is not one.
constexpr qint64 kMaxBytes = 16 * 1024 * 1024;
}  // namespace

QString LicenceDocument::failureText() {
    return tr("The license could not be opened. Please reinstall Ludowell.");
}

QString LicenceDocument::defaultPath() {
    return QString::fromStdString((platform::host().resources() / "Licenses" / "Apple-GPTK-License.rtf").string());
}

LicenceDocument::LicenceDocument(QObject* parent) : QObject(parent), path_(defaultPath()) {
    const QFileInfo info(path_);
    present_ = info.exists();
    std::optional<RichText> text;
    QFile file(path_);
    if (info.isFile() && info.size() <= kMaxBytes && file.open(QIODevice::ReadOnly)) {
        const QByteArray bytes = file.readAll();
        if (file.error() == QFileDevice::NoError)
            text = readStyledText(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
    }
    readable_ = text.has_value();
    html_ = readable_ ? QString::fromStdString(text->html)
                      : QStringLiteral("<p>") + failureText() + QStringLiteral("</p>");
}

}  // namespace ludowell::ui
