#include "app/model/storage.h"

#include <QCoreApplication>
#include <QMetaObject>

#include <algorithm>
#include <climits>

#include "app/model/download_watch.h"
#include "core/disk_usage.h"
#include "runtime/runtime.h"

namespace ludowell {
namespace {

// As the download line writes sizes: the translators' units, the locale's numbers.
QString sizeText(std::uintmax_t bytes) { return DownloadWatch::bytes(double(bytes)); }

QString text(const char* source) { return QCoreApplication::translate("ludowell::Storage", source); }

// The free space of the disk the data root will be on, before it exists.
std::optional<std::uintmax_t> freeOn(fs::path folder) {
    std::error_code ec;
    while (!fs::exists(folder, ec) && folder.has_parent_path() && folder != folder.parent_path())
        folder = folder.parent_path();
    const auto space = fs::space(folder, ec);
    if (ec) return std::nullopt;
    return space.available;
}

}  // namespace

std::vector<StoragePart> storageParts(const Runtime& runtime) {
    const fs::path root = runtime.root();
    const fs::path game = runtime.steamFolder() / "steamapps/common" / runtime.profile().installFolder;
    std::vector<StoragePart> parts = {
        {text(QT_TRANSLATE_NOOP("ludowell::Storage", "Windows environment")), {}, runtime.prefix(), {runtime.steamFolder()}},
        {text(QT_TRANSLATE_NOOP("ludowell::Storage", "Steam")), {}, runtime.steamFolder(), {game}},
        {QString::fromStdString(runtime.profile().title), {}, game, {}},
    };
    // Every installed engine; the one in use and those kept for recovery.
    std::vector<fs::path> engines;
    std::error_code ec;
    for (fs::directory_iterator it(root, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        std::error_code ignored;
        if (!it->is_directory(ignored) || it->is_symlink(ignored)) continue;
        if ((name == "engine" || name.starts_with("engine-")) && !name.starts_with("engine-staging-"))
            engines.push_back(it->path());
    }
    std::sort(engines.begin(), engines.end());
    const fs::path current = runtime.engine();
    for (const auto& engine : engines) {
        const std::string name = engine.filename().string();
        const QString version = name == "engine" ? QString() : QString::fromStdString(name.substr(7));
        parts.push_back({version.isEmpty() ? text(QT_TRANSLATE_NOOP("ludowell::Storage", "Engine"))
                                         : text(QT_TRANSLATE_NOOP("ludowell::Storage", "Engine %1")).arg(version),
                         engine == current ? text(QT_TRANSLATE_NOOP("ludowell::Storage", "in use"))
                                           : text(QT_TRANSLATE_NOOP("ludowell::Storage", "kept")),
                         engine, {}});
    }
    if (engines.empty()) parts.push_back({text(QT_TRANSLATE_NOOP("ludowell::Storage", "Engine")), {}, current, {}});
    parts.push_back({text(QT_TRANSLATE_NOOP("ludowell::Storage", "Graphics package")), {}, root / "deps", {}});
    parts.push_back({text(QT_TRANSLATE_NOOP("ludowell::Storage", "Downloaded installers")), {}, root / "downloads", {}});
    parts.push_back({text(QT_TRANSLATE_NOOP("ludowell::Storage", "Logs")), {}, runtime.logs(), {}});
    return parts;
}

Storage::Storage(RuntimeSource runtime, Opener open, QObject* parent)
    : QObject(parent), runtime_(std::move(runtime)), open_(std::move(open)) {
    workers_.setMaxThreadCount(1);
}

Storage::~Storage() {
    stop_->store(true);
    workers_.waitForDone();
}

QVariantList Storage::parts() const {
    QVariantList list;
    for (const auto& row : rows_) {
        list.append(QVariantMap{{QStringLiteral("name"), row.part.name},
                                {QStringLiteral("note"), row.part.note},
                                {QStringLiteral("size"), row.measured ? sizeText(row.bytes) : QStringLiteral("…")},
                                {QStringLiteral("bytes"), double(row.bytes)},
                                {QStringLiteral("measured"), row.measured}});
    }
    return list;
}

void Storage::measure() {
    if (measuring_) return;
    const Runtime runtime = runtime_();
    rows_.clear();
    for (auto& part : storageParts(runtime)) rows_.push_back({std::move(part)});
    const auto free = freeOn(runtime.root());
    free_ = free ? tr("%1 free on this disk").arg(sizeText(*free)) : QString();
    measuring_ = true;
    progress_ = tr("Measuring…");
    emit changed();

    const std::uint64_t generation = ++generation_;
    std::vector<StoragePart> parts;
    for (const auto& row : rows_) parts.push_back(row.part);
    auto stop = stop_;
    workers_.start([this, parts = std::move(parts), generation, stop] {
        DiskUsageCounter counter;  // one for all parts: a hard link counts once
        for (int index = 0; index < int(parts.size()) && !stop->load(); ++index) {
            const auto usage = counter.measure(parts[index].folder, parts[index].skip, [&](std::uintmax_t files) {
                QMetaObject::invokeMethod(this, [=, this] { counted(generation, files); }, Qt::QueuedConnection);
                return !stop->load();
            });
            QMetaObject::invokeMethod(this, [=, this] { partMeasured(generation, index, usage.bytes); },
                                      Qt::QueuedConnection);
        }
        QMetaObject::invokeMethod(this, [=, this] { finished(generation); }, Qt::QueuedConnection);
    });
}

void Storage::counted(std::uint64_t generation, std::uintmax_t files) {
    if (generation != generation_ || !measuring_) return;
    progress_ = tr("Measuring… %Ln file(s) so far", nullptr, int(std::min<std::uintmax_t>(files, INT_MAX)));
    emit changed();
}

void Storage::partMeasured(std::uint64_t generation, int index, std::uintmax_t bytes) {
    if (generation != generation_ || index >= int(rows_.size())) return;
    rows_[size_t(index)].bytes = bytes;
    rows_[size_t(index)].measured = true;
    emit changed();
}

void Storage::finished(std::uint64_t generation) {
    if (generation != generation_) return;
    measuring_ = false;
    progress_.clear();
    emit changed();
}

void Storage::show(int index) {
    if (index < 0 || index >= int(rows_.size())) return;
    open_(rows_[size_t(index)].part.folder);
}

}  // namespace ludowell
