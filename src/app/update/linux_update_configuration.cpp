#include <QCoreApplication>

#include "app/update/appcast.h"
#include "app/update/info_plist.h"
#include "app/update/linux_update_service.h"

namespace ludowell {
namespace {

constexpr int kMinimumInterval = 3600;

UpdateError notConfigured(const QString& text) {
    return UpdateError(appcast::kErrorDomain, appcast::notConfigured, text.toStdString());
}

}  // namespace

// What the bundle's Info.plist says of updates, as Sparkle reads it.
LinuxUpdateService::Configuration LinuxUpdateService::readConfiguration(const std::filesystem::path& bundle) {
    const auto plist = readInfoPlist(bundle / "Contents" / "Info.plist");
    if (!plist) throw notConfigured(tr("Updates are not set up for this copy of Ludowell."));
    Configuration configuration;
    configuration.feedURL = plist->value("SUFeedURL").toString().toStdString();
    configuration.publicEDKey = plist->value("SUPublicEDKey").toString().toStdString();
    // The running program's own version when the file does not say.
    configuration.bundleVersion =
        plist->value("CFBundleVersion", QCoreApplication::applicationVersion()).toString().toStdString();
    configuration.automaticChecks = plist->value("SUEnableAutomaticChecks", true).toBool();
    configuration.checkInterval =
        std::max(kMinimumInterval, plist->value("SUScheduledCheckInterval", 86400).toInt());
    if (configuration.publicEDKey.empty())
        throw notConfigured(tr("Updates are not set up for this copy of Ludowell."));
    if (!configuration.feedURL.starts_with("https://") || configuration.bundleVersion.empty())
        throw notConfigured(tr("The update settings of this copy of Ludowell are damaged."));
    return configuration;
}

}  // namespace ludowell
