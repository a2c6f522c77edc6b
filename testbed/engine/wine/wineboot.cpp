// wineboot: lays out a prefix as Wine does. As with Wine, its background
// programs outlive it by seconds, the registry files reach the disk only
// when the server saves as it exits, and updating an existing prefix (on
// request, or on the first command after an engine change) takes seconds.
#include <unistd.h>

#include <cstdio>
#include <ctime>
#include <set>

#include "common/files.h"
#include "common/process.h"
#include "common/registry.h"
#include "wine/programs.h"

namespace testbed_engine {
namespace {

constexpr auto kUpdateTime = std::chrono::milliseconds(2500);
constexpr auto kBackgroundLife = std::chrono::milliseconds(1500);
const char* const kUser = "steamuser";  // fixed, so every host gets the same prefix
const char* const kShellFolders[] = {"Desktop", "Documents", "Downloads", "Music", "Pictures", "Videos"};
// Wine's own programs, each with the command line Wine shows for it.
const std::vector<std::vector<std::string>> kBackgroundPrograms = {
    {"services.exe"}, {"explorer.exe", "/desktop"}, {"winedevice.exe"}, {"plugplay.exe"}};

void writeIfMissing(const fs::path& file, const std::string& bytes) {
    std::error_code ec;
    if (!fs::exists(fs::symlink_status(file, ec))) atomicWrite(file, bytes);
}

void linkIfMissing(const fs::path& link, const fs::path& target) {
    std::error_code ec;
    if (fs::exists(fs::symlink_status(link, ec))) return;
    fs::create_symlink(target, link);
}

void layOutPrefix(const Prefix& prefix) {
    const fs::path c = prefix.driveC();
    for (const char* folder : {"windows/system32", "windows/syswow64", "windows/temp", "windows/Fonts",
                               "Program Files/Common Files", "Program Files (x86)/Common Files", "ProgramData"})
        fs::create_directories(c / folder);
    for (const char* dll : {"kernel32", "ntdll", "user32", "advapi32"})
        writeIfMissing(c / "windows/system32" / (std::string(dll) + ".dll"), "TESTBED-PE dll " + std::string(dll) + "\n");
    for (const auto& program : kBackgroundPrograms)
        writeIfMissing(c / "windows/system32" / program[0], "TESTBED-PE background\n");

    const fs::path users = c / "users";
    for (const char* folder : kShellFolders) fs::create_directories(users / "Public" / folder);

    // The user's shell folders point into the host's home, as Wine links
    // them; the testbed keeps that "home" inside the data root.
    const fs::path user = users / kUser;
    std::error_code ec;
    if (!fs::exists(user, ec)) {
        fs::create_directories(user / "AppData/Roaming");
        fs::create_directories(user / "AppData/Local");
        for (const char* folder : kShellFolders) {
            const fs::path home = prefix.dataRoot() / "testbed-host-home" / folder;
            fs::create_directories(home);
            linkIfMissing(user / folder, home);
        }
    }
    fs::create_directories(prefix.root / "dosdevices");
    linkIfMissing(prefix.root / "dosdevices/c:", "../drive_c");
}

// Wine's stamp: the engine's wine.inf time, which a prefix records once updated.
std::string engineStamp() {
    std::error_code ec;
    const fs::path inf = selfExecutable().parent_path().parent_path() / "share/wine/wine.inf";
    const auto time = fs::last_write_time(inf, ec);
    if (ec) return "";
    return std::to_string(std::chrono::duration_cast<std::chrono::seconds>(
                              std::chrono::file_clock::to_sys(time).time_since_epoch())
                              .count());
}

fs::path stampFile(const Prefix& prefix) { return prefix.root / ".update-timestamp"; }

void startBackgroundPrograms() {
    for (const auto& program : kBackgroundPrograms)
        startDetached(selfExecutable(), {program.begin() + 1, program.end()}, "C:\\windows\\system32\\" + program[0]);
}

// What an update does here: take its time, restart Wine's own programs and
// record the engine it was made for.
void update(const Prefix& prefix) {
    pause(kUpdateTime);
    if (stopRequested()) return;
    const std::string stamp = engineStamp();
    if (!stamp.empty()) atomicWrite(stampFile(prefix), stamp + "\n");
    startBackgroundPrograms();
}

}  // namespace

int runWineboot(const Prefix& prefix, const Arguments& args) {
    static const std::set<std::string> build = {"--init", "-i", "--update", "-u"};
    static const std::set<std::string> sessionOnly = {"--end-session", "-e", "--kill", "-k", "--shutdown", "-s",
                                                      "--restart", "-r", "--force", "-f"};
    bool layOut = args.empty();
    for (const auto& arg : args) {
        if (build.count(arg)) layOut = true;
        else if (!sessionOnly.count(arg)) {
            std::fprintf(stderr, "wineboot: unknown option %s\n", arg.c_str());
            return 1;
        }
    }
    ProgramSession session(prefix);
    if (!layOut) return 0;
    std::error_code ec;
    const bool existing = fs::exists(stampFile(prefix), ec);
    layOutPrefix(prefix);
    createRegistry(prefix, kUser);
    if (existing) {
        update(prefix);
        return 0;
    }
    const std::string stamp = engineStamp();
    if (!stamp.empty()) atomicWrite(stampFile(prefix), stamp + "\n");
    startBackgroundPrograms();
    return 0;
}

void updateIfEngineChanged(const Prefix& prefix) {
    auto recorded = readText(stampFile(prefix));
    const std::string stamp = engineStamp();
    if (!recorded || stamp.empty() || *recorded == stamp + "\n" || *recorded == "disable\n") return;
    std::fprintf(stderr, "wine: configuration in %s is being updated\n", prefix.root.c_str());
    ProgramSession session(prefix);
    update(prefix);
}

int runBackgroundProgram(const Prefix& prefix) {
    ProgramSession session(prefix);
    pause(kBackgroundLife);
    return 0;
}

namespace {

struct WindowsVersion {
    const char* name;
    const char* version;
    const char* build;
    const char* product;
};

const WindowsVersion kVersions[] = {
    {"win11", "10.0", "22000", "Microsoft Windows 11"}, {"win10", "10.0", "18362", "Microsoft Windows 10"},
    {"win81", "6.3", "9600", "Microsoft Windows 8.1"},  {"win8", "6.2", "9200", "Microsoft Windows 8"},
    {"win7", "6.1", "7601", "Microsoft Windows 7"},      {"vista", "6.0", "6002", "Microsoft Windows Vista"},
    {"winxp", "5.1", "2600", "Microsoft Windows XP"},
};
const char* const kVersionKey = "Software\\Microsoft\\Windows NT\\CurrentVersion";

}  // namespace

int runWinecfg(const Prefix& prefix, const Arguments& args) {
    if (args.empty()) {
        ProgramSession session(prefix);
        auto build = registryValue(prefix, "system.reg", kVersionKey, "CurrentBuild");
        const char* name = "win7";
        for (const auto& version : kVersions)
            if (build == version.build) name = version.name;
        std::printf("Windows version: %s\n", name);
        return 0;
    }
    if ((args[0] != "-v" && args[0] != "/v") || args.size() != 2) {
        std::fputs("Usage: winecfg [-v VERSION]\n", stderr);
        return 1;
    }
    const WindowsVersion* chosen = nullptr;
    for (const auto& version : kVersions)
        if (args[1] == version.name) chosen = &version;
    if (!chosen) {
        std::fprintf(stderr, "winecfg: unknown Windows version \"%s\"\n", args[1].c_str());
        return 1;
    }
    ProgramSession session(prefix);
    // Into the server's memory: "system.reg" shows it once the server saves.
    setRegistryValues(prefix, "system.reg", kVersionKey,
                      {{"CurrentVersion", chosen->version},
                       {"CurrentBuild", chosen->build},
                       {"CurrentBuildNumber", chosen->build},
                       {"ProductName", chosen->product}});
    return 0;
}

}  // namespace testbed_engine
