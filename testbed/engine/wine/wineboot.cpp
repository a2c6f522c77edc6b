// wineboot: lays out a prefix as Wine does. As with Wine, the registry
// files reach the disk a moment after wineboot itself has returned.
#include <unistd.h>

#include <cstdio>
#include <ctime>
#include <set>

#include "common/files.h"
#include "common/process.h"
#include "wine/programs.h"

namespace testbed_engine {
namespace {

constexpr auto kRegistryDelay = std::chrono::milliseconds(1000);
const char* const kUser = "steamuser";  // fixed, so every host gets the same prefix
const char* const kShellFolders[] = {"Desktop", "Documents", "Downloads", "Music", "Pictures", "Videos"};

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

std::string registryHeader(const char* root) {
    return "WINE REGISTRY Version 2\n;; All keys relative to \\\\" + std::string(root) + "\n\n#arch=win64\n\n";
}

void writeRegistry(const Prefix& prefix) {
    const std::string stamp = std::to_string(std::time(nullptr));
    atomicWrite(prefix.root / "userdef.reg", registryHeader("User\\\\.Default"));
    atomicWrite(prefix.root / "user.reg",
                registryHeader("User\\\\S-1-5-21-0-0-0-1000") + "[Environment] " + stamp +
                    "\n\"TEMP\"=str(2):\"%USERPROFILE%\\\\AppData\\\\Local\\\\Temp\"\n\n"
                    "[Software\\\\Wine] " + stamp + "\n");
    // Last: its appearance is what tells callers the prefix is complete.
    atomicWrite(prefix.root / "system.reg",
                registryHeader("Machine") + "[Software\\\\Microsoft\\\\Windows NT\\\\CurrentVersion] " + stamp +
                    "\n\"CurrentBuild\"=\"19045\"\n\"CurrentBuildNumber\"=\"19045\"\n"
                    "\"CurrentVersion\"=\"6.3\"\n\"ProductName\"=\"Windows 10 Pro\"\n"
                    "\"RegisteredOwner\"=\"" + std::string(kUser) + "\"\n");
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
    layOutPrefix(prefix);

    std::error_code ec;
    if (!fs::exists(prefix.root / "system.reg", ec)) {
        // The writer counts as a program of the prefix, so the server stays
        // up until the registry is saved, and "-k" stops it like the rest.
        auto& registration = session.registration();
        runDetached([&] {
            registration.adoptCurrentProcess();
            pause(kRegistryDelay);
            if (!stopRequested()) {
                try {
                    writeRegistry(prefix);
                } catch (const std::exception&) {
                }
            }
            registration.withdrawCurrentProcess();
        });
    }
    return 0;
}

int runWinecfg(const Prefix& prefix, const Arguments& args) {
    static const std::set<std::string> versions = {"win11", "win10",  "win81", "win8",  "win2008r2", "win7",
                                                   "win2008", "vista", "win2003", "winxp", "win2k",  "nt40",
                                                   "winme", "win98", "win95"};
    const fs::path record = prefix.root / "testbed-windows-version";
    if (args.empty()) {
        ProgramSession session(prefix);
        auto current = readText(record).value_or("win10\n");
        std::printf("Windows version: %s", current.c_str());
        return 0;
    }
    if ((args[0] != "-v" && args[0] != "/v") || args.size() != 2) {
        std::fputs("Usage: winecfg [-v VERSION]\n", stderr);
        return 1;
    }
    if (!versions.count(args[1])) {
        std::fprintf(stderr, "winecfg: unknown Windows version \"%s\"\n", args[1].c_str());
        return 1;
    }
    ProgramSession session(prefix);
    atomicWrite(record, args[1] + "\n");
    return 0;
}

}  // namespace testbed_engine
