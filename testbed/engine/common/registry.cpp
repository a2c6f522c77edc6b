#include "common/registry.h"

#include <ctime>
#include <sstream>

#include "common/files.h"

namespace testbed_engine {
namespace {

const char* const kHives[] = {"userdef.reg", "user.reg", "system.reg"};  // system.reg last: it marks completion

fs::path memory(const Prefix& prefix) { return prefix.state() / "registry"; }

std::string header(const std::string& root) {
    return "WINE REGISTRY Version 2\n;; All keys relative to \\\\" + root + "\n\n#arch=win64\n\n";
}

std::string currentHive(const Prefix& prefix, const std::string& hive) {
    if (auto text = readText(memory(prefix) / hive, 64 << 20)) return *text;
    return readText(prefix.root / hive, 64 << 20).value_or(header("Machine"));
}

std::string escaped(const std::string& key) {
    std::string text;
    for (char c : key) {
        text.push_back(c);
        if (c == '\\') text.push_back('\\');
    }
    return text;
}

}  // namespace

void createRegistry(const Prefix& prefix, const std::string& user) {
    std::error_code ec;
    if (fs::exists(prefix.root / "system.reg", ec) || fs::exists(memory(prefix) / "system.reg", ec)) return;
    fs::create_directories(memory(prefix));
    const std::string stamp = std::to_string(std::time(nullptr));
    atomicWrite(memory(prefix) / "userdef.reg", header("User\\\\.Default"));
    atomicWrite(memory(prefix) / "user.reg",
                header("User\\\\S-1-5-21-0-0-0-1000") + "[Environment] " + stamp +
                    "\n\"TEMP\"=str(2):\"%USERPROFILE%\\\\AppData\\\\Local\\\\Temp\"\n\n[Software\\\\Wine] " +
                    stamp + "\n");
    // A new prefix reports Windows 7, as Wine's own does.
    atomicWrite(memory(prefix) / "system.reg",
                header("Machine") + "[Software\\\\Microsoft\\\\Windows NT\\\\CurrentVersion] " + stamp +
                    "\n\"CurrentBuild\"=\"7601\"\n\"CurrentBuildNumber\"=\"7601\"\n\"CurrentVersion\"=\"6.1\"\n"
                    "\"ProductName\"=\"Microsoft Windows 7\"\n\"RegisteredOwner\"=\"" + user + "\"\n");
}

void setRegistryValues(const Prefix& prefix, const std::string& hive, const std::string& key,
                       const std::map<std::string, std::string>& values) {
    std::istringstream in(currentHive(prefix, hive));
    const std::string section = "[" + escaped(key) + "]";
    std::string out;
    bool inKey = false, found = false;
    auto writeValues = [&] {
        for (const auto& [name, value] : values) out += "\"" + name + "\"=\"" + value + "\"\n";
    };
    for (std::string line; std::getline(in, line);) {
        if (line.starts_with("[")) {
            inKey = line.starts_with(section);
            if (inKey) {
                found = true;
                out += line + "\n";
                writeValues();
                continue;
            }
        } else if (inKey && line.starts_with("\"")) {
            const std::string name = line.substr(1, line.find('"', 1) - 1);
            if (values.count(name)) continue;
        }
        out += line + "\n";
    }
    if (!found) {
        out += "\n" + section + " " + std::to_string(std::time(nullptr)) + "\n";
        writeValues();
    }
    fs::create_directories(memory(prefix));
    atomicWrite(memory(prefix) / hive, out);
}

std::optional<std::string> registryValue(const Prefix& prefix, const std::string& hive, const std::string& key,
                                         const std::string& name) {
    std::istringstream in(currentHive(prefix, hive));
    const std::string section = "[" + escaped(key) + "]";
    const std::string wanted = "\"" + name + "\"=\"";
    bool inKey = false;
    for (std::string line; std::getline(in, line);) {
        if (line.starts_with("[")) inKey = line.starts_with(section);
        else if (inKey && line.starts_with(wanted) && line.ends_with("\""))
            return line.substr(wanted.size(), line.size() - wanted.size() - 1);
    }
    return std::nullopt;
}

void forgetUnsavedRegistry(const Prefix& prefix) {
    std::error_code ignored;
    fs::remove_all(memory(prefix), ignored);
}

void saveRegistry(const Prefix& prefix) {
    std::error_code ec;
    if (!fs::exists(prefix.root, ec)) return;
    for (const char* hive : kHives) {
        auto text = readText(memory(prefix) / hive, 64 << 20);
        if (!text) continue;
        if (readText(prefix.root / hive, 64 << 20) != text) atomicWrite(prefix.root / hive, *text);
        fs::remove(memory(prefix) / hive, ec);
    }
}

}  // namespace testbed_engine
