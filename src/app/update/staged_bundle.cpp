#include "app/update/staged_bundle.h"

#include <QCoreApplication>

#include <unistd.h>

#include <vector>

#include "app/update/appcast.h"
#include "app/update/info_plist.h"
#include "core/files.h"

namespace ludowell {

namespace fs = std::filesystem;

namespace {

// A folder itself, never a link to one: the bundle's path must end up
// holding the app, not pointing at something outside it.
bool isRealFolder(const fs::path& path) {
    std::error_code ec;
    return fs::symlink_status(path, ec).type() == fs::file_type::directory;
}

UpdateError refused(const QString& text) {
    return UpdateError(appcast::kErrorDomain, appcast::unpackFailed, text.toStdString());
}

}  // namespace

fs::path checkedStagedApp(const StagedBundle& staged) {
    const auto name = staged.bundle.filename();
    fs::path app = staged.staging / name;
    std::error_code ec;
    if (!fs::exists(fs::symlink_status(app, ec))) {
        std::vector<fs::path> apps;
        for (const auto& entry : fs::directory_iterator(staged.staging, ec))
            if (entry.path().extension() == ".app") apps.push_back(entry.path());
        app = apps.size() == 1 ? apps.front() : fs::path();
    }
    const auto relative = staged.executable.lexically_relative(staged.bundle);
    if (app.empty() || !isRealFolder(app) || !resolvesInside(app / relative, app) ||
        ::access((app / relative).c_str(), X_OK) != 0)
        throw refused(
            QCoreApplication::translate("ludowell::LinuxUpdateService", "The update does not contain a usable %1.")
                .arg(QString::fromStdString(name.string())));

    // The archive's signature says who made it, not which version it holds:
    // an older signed release must not pass for the offered one.
    const auto plist = readInfoPlist(app / "Contents/Info.plist");
    const auto version = plist ? plist->value("CFBundleVersion").toString().toStdString() : std::string();
    if (version.empty() || appcast::compareVersions(version, staged.offered) != 0 ||
        appcast::compareVersions(version, staged.running) <= 0)
        throw refused(QCoreApplication::translate("ludowell::LinuxUpdateService",
                                                  "The update holds version %1, not the offered %2, so it was not "
                                                  "installed.")
                          .arg(version.empty() ? QCoreApplication::translate("ludowell::LinuxUpdateService", "unknown")
                                               : QString::fromStdString(version),
                               QString::fromStdString(staged.offered)));
    return app;
}

}  // namespace ludowell
