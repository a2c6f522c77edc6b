#include "app/preferences.h"

#include <QCoreApplication>

namespace ludowell {
namespace {

const QString kOverlay = QStringLiteral("showFPS");

QString dataRootKey(const std::string& gameID) { return QStringLiteral("dataRoot-") + QString::fromStdString(gameID); }

}  // namespace

Preferences::Preferences(const QString& file)
    : settings_(file.isEmpty() ? std::make_unique<QSettings>() : std::make_unique<QSettings>(file, QSettings::IniFormat)) {}

void Preferences::nameApplication() {
    QCoreApplication::setOrganizationName(QStringLiteral("Hollowmere"));
    // A Mac's Qt reverses the domain and adds the application's name; it
    // takes a domain as given only under a top-level label it knows.
    QCoreApplication::setOrganizationDomain(QStringLiteral("hollowmere.com"));
    QCoreApplication::setApplicationName(QStringLiteral("Ludowell"));
}

bool Preferences::overlay() const { return settings_->value(kOverlay, false).toBool(); }

void Preferences::setOverlay(bool on) {
    settings_->setValue(kOverlay, on);
    settings_->sync();
}

std::optional<std::filesystem::path> Preferences::dataRoot(const std::string& gameID) const {
    const QString stored = settings_->value(dataRootKey(gameID)).toString();
    if (stored.isEmpty()) return std::nullopt;
    return std::filesystem::path(stored.toStdString());
}

void Preferences::setDataRoot(const std::string& gameID, const std::filesystem::path& root) {
    settings_->setValue(dataRootKey(gameID), QString::fromStdString(root.string()));
    settings_->sync();
}

}  // namespace ludowell
