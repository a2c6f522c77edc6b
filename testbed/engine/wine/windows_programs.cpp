#include <algorithm>
#include <cctype>
#include <cstdio>
#include <fstream>
#include <optional>
#include <sstream>
#include <stdexcept>

#include "common/process.h"
#include "wine/programs.h"

namespace testbed_engine {
namespace {

constexpr int kNotFound = 53;  // what the loader returns for a program it cannot run

// Testbed Windows programs are text files whose first line reads
// "TESTBED-PE <kind> [words...]".
std::optional<Arguments> programHeader(const fs::path& file) {
    std::error_code ec;
    if (!fs::is_regular_file(file, ec)) return std::nullopt;
    std::ifstream in(file, std::ios::binary);
    std::string line;
    if (!in || !std::getline(in, line) || line.size() > 512) return std::nullopt;
    std::istringstream words(line);
    Arguments header;
    for (std::string word; words >> word;) header.push_back(word);
    if (header.size() < 2 || header[0] != "TESTBED-PE") return std::nullopt;
    return header;
}

std::string builtinName(const std::string& program) {
    if (program.find_first_of("/\\") != std::string::npos) return "";
    std::string name = program;
    std::transform(name.begin(), name.end(), name.begin(), [](unsigned char c) { return std::tolower(c); });
    if (name.ends_with(".exe")) name.resize(name.size() - 4);
    return name;
}

// Wine prints Windows paths with their backslashes escaped.
std::string quoted(const std::string& windowsPath) {
    std::string text;
    for (char c : windowsPath) {
        text.push_back(c);
        if (c == '\\') text.push_back('\\');
    }
    return "L\"" + text + "\"";
}

}  // namespace

ProgramSession::ProgramSession(const Prefix& prefix) : registration_(prefix) {
    if (!registration_.ensureServer()) throw std::runtime_error("could not start the wineserver for " + prefix.root.string());
}

void ProgramSession::waitUntilStopped(const Prefix& prefix) const {
    while (!stopRequested() && serverRunning(prefix)) pause(std::chrono::milliseconds(100));
}

int runWindowsProgram(const Prefix& prefix, const std::string& program, const Arguments& args) {
    const std::string builtin = builtinName(program);
    if (builtin == "wineboot") return runWineboot(prefix, args);
    updateIfEngineChanged(prefix);
    if (builtin == "winecfg") return runWinecfg(prefix, args);

    const fs::path file = prefix.unixPath(program);
    auto header = programHeader(file);
    const std::string kind = header ? (*header)[1] : "";
    std::error_code ec;
    if (!header && !fs::exists(file, ec)) {
        std::fprintf(stderr, "wine: cannot find %s\n", quoted(prefix.windowsPath(file)).c_str());
        return kNotFound;
    }
    if (kind == "steam-setup") return runSteamSetup(prefix, args);
    if (kind == "steam-client") return runSteamClient(prefix, file.lexically_normal(), args);
    if (kind == "waiter") return runWaiter(prefix);
    if (kind == "background") return runBackgroundProgram(prefix);
    if (kind == "game" && header->size() >= 3) return runGame(prefix, file.lexically_normal(), (*header)[2]);
    std::fprintf(stderr, "wine: Bad EXE format for %s\n", quoted(prefix.windowsPath(file)).c_str());
    return kNotFound;
}

int runWaiter(const Prefix& prefix) {
    ProgramSession session(prefix);
    session.waitUntilStopped(prefix);
    return 0;
}

}  // namespace testbed_engine
