#include "app/support/support_report.h"

#include <sys/stat.h>

#include <algorithm>
#include <chrono>
#include <ctime>

#include "app/support/data_listing.h"
#include "app/support/redaction.h"
#include "app/update/info_plist.h"
#include "core/failure.h"
#include "core/files.h"
#include "core/library_snapshot.h"
#include "engine/engine_manifest.h"
#include "platform/subprocess.h"
#include "runtime/engine_selection.h"
#include "runtime/library_state.h"
#include "runtime/runtime.h"
#include "runtime/say.h"

namespace ludowell {
namespace {

constexpr const char* kFolder = "Ludowell Support Report";
constexpr size_t kLogsKept = 10;
constexpr std::uintmax_t kLogTail = 128 * 1024;  // the end of a log says why it ended
constexpr double kCheckSeconds = 120;
constexpr double kArchiveSeconds = 60;

struct Captured {
    int status = 1;
    std::string output;
};

Captured capture(const fs::path& program, const std::vector<std::string>& arguments, double seconds) {
    Captured result;
    platform::Subprocess::Options options{program, arguments};
    options.capture = true;
    try {
        auto child = platform::Subprocess::start(options);
        auto status = child.waitUntil(
            platform::Subprocess::Clock::now() + std::chrono::milliseconds(long(seconds * 1000)),
            [&](std::string_view bytes) { result.output.append(bytes); });
        if (status) result.status = *status;
        else result.output += "\n(stopped after " + std::to_string(int(seconds)) + " seconds)\n";
    } catch (const std::exception& error) {
        result.output += error.what();
    }
    return result;
}

std::string utcNow() {
    const std::time_t now = std::time(nullptr);
    std::tm parts{};
    ::gmtime_r(&now, &parts);
    char text[40];
    std::strftime(text, sizeof text, "%Y-%m-%d %H:%M:%S UTC", &parts);
    return text;
}

std::string tail(const fs::path& file) {
    std::string text = readFile(file).value_or("");
    if (text.size() <= kLogTail) return text;
    return "… (earlier lines left out)\n" + text.substr(text.size() - kLogTail);
}

std::string about(const Runtime& runtime, const Redaction& redaction) {
    const auto& host = runtime.host();
    const auto plist = readInfoPlist(host.bundle() / "Contents/Info.plist").value_or(QVariantMap());
    const std::string version = plist.value("CFBundleShortVersionString").toString().toStdString();
    const std::string build = plist.value("CFBundleVersion").toString().toStdString();
    return redaction.apply("Ludowell " + version + " (build " + build + ")\n" + "System: macOS " +
                           host.osVersion() + " (kernel " + host.kernelRelease() + ")\n" +
                           "Game: " + runtime.profile().id + " (" + runtime.profile().title + ")\n" +
                           "Data root: " + runtime.root().string() + "\n" + "Made: " + utcNow() + "\n");
}

std::string engines(const Runtime& runtime) {
    std::string text = "Selected engine folder: " + runtime.engine().filename().string() + "\n";
    text += "engine-selection.json: " + readFile(runtime.engineSelectionFile()).value_or("(none)") + "\n";
    try {
        const auto shipped =
            EngineManifest::decode(readWholeFile(runtime.resources() / "engine-manifest.json"));
        text += "Shipped engine manifest: version " + shipped.version + ", " +
                std::to_string(shipped.files.size()) + " files\n";
    } catch (const std::exception& error) {
        text += std::string("Shipped engine manifest: unreadable (") + error.what() + ")\n";
    }
    return text;
}

std::string stage(const Runtime& runtime) {
    std::string text = "Stage: ";
    try {
        auto snapshot = inspectLibrary(runtime);
        if (snapshot.stage == GameStage::ready && isGameRunning(runtime)) snapshot.stage = GameStage::running;
        text += rawValue(snapshot.stage);
        if (snapshot.download) text += " (" + std::to_string(int(*snapshot.download * 100)) + "% downloaded)";
    } catch (const std::exception& error) {
        text += std::string("unknown (") + error.what() + ")";
    }
    text += "\nMarkers:\n";
    for (const char* name : {"runtime-ready", "steam-sign-in-confirmed", "license-accepted", "operation.lock",
                             "steam-session.json", "engine-selection.json"}) {
        const auto content = readFile(runtime.marker(name));
        text += std::string("  ") + name + ": " + (content ? "present" : "absent");
        if (content && !content->empty() && content->size() < 200) text += " — " + *content;
        if (text.back() != '\n') text += "\n";
    }
    return text;
}

// Newest first, by when each was last written.
std::vector<fs::path> latestLogs(const Runtime& runtime) {
    std::vector<std::pair<fs::file_time_type, fs::path>> found;
    std::error_code ec;
    for (fs::directory_iterator it(runtime.logs(), ec), end; !ec && it != end; it.increment(ec)) {
        std::error_code ignored;
        if (!it->is_regular_file(ignored) || it->is_symlink(ignored) || it->path().extension() != ".log") continue;
        found.emplace_back(it->last_write_time(ignored), it->path());
    }
    std::sort(found.begin(), found.end(), [](const auto& a, const auto& b) { return a.first > b.first; });
    std::vector<fs::path> logs;
    for (const auto& [when, path] : found) {
        if (logs.size() == kLogsKept) break;
        logs.push_back(path);
    }
    return logs;
}

}  // namespace

void writeSupportReport(const Runtime& runtime, const fs::path& output) {
    if (output.empty()) throw Failure("Please name the report file with --output.");
    const fs::path target = fs::absolute(output);
    if (!fs::is_directory(target.parent_path()))
        throw Failure("The folder for the support report does not exist: " + target.parent_path().string());

    const Redaction redaction = Redaction::forThisAccount();
    const fs::path staging = platform::temporaryDir() / ("ludowell-report-" + platform::makeUUID());
    ScopedRemoval cleanup(staging);
    const fs::path folder = staging / kFolder;
    fs::create_directories(folder / "logs");
    auto put = [&](const std::string& name, const std::string& text) { atomicWrite(folder / name, redaction.apply(text)); };

    say("Writing the support report…");
    put("about.txt", about(runtime, redaction));
    const auto check = capture(platform::executable(),
                               {"--command", "check", "--game", runtime.profile().id, "--data-root",
                                runtime.root().string()},
                               kCheckSeconds);
    put("check.txt", check.output + "\n(exit status " + std::to_string(check.status) + ")\n");
    put("engine.txt", engines(runtime));
    put("data-root.txt", stage(runtime) + "\nListing:\n" + listDataRoot(runtime.root(), redaction));
    const std::string manifest = "appmanifest_" + runtime.profile().steamID + ".acf";
    if (auto text = readFile(runtime.steamFolder() / "steamapps" / manifest)) put(manifest, *text);
    for (const auto& log : latestLogs(runtime)) put("logs/" + log.filename().string(), tail(log));

    const fs::path archive = staging / "report.tar.gz";
    const auto packed =
        capture("/usr/bin/tar", {"-czf", archive.string(), "-C", staging.string(), kFolder}, kArchiveSeconds);
    if (packed.status != 0) throw Failure("The support report could not be packed.", packed.output);
    atomicCopy(archive, target);
    say("Support report saved: " + target.string());
}

}  // namespace ludowell
