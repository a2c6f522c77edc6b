#include "wine/steam_store.h"

#include <ctime>
#include <vector>

namespace testbed_engine {
namespace {

const std::vector<StoreApp>& store() {
    static const std::vector<StoreApp> apps = {
        {"1466860", "Age of Empires IV", "Age of Empires IV", "RelicCardinal.exe", 250000000},
        {"2000001", "Lantern Keep", "Lantern Keep", "LanternKeep.exe", 250000000},
    };
    return apps;
}

std::string pair(const std::string& indent, const std::string& key, const std::string& value) {
    return indent + "\"" + key + "\"\t\t\"" + value + "\"\n";
}

}  // namespace

const StoreApp* findStoreApp(const std::string& appid) {
    for (const auto& app : store())
        if (app.appid == appid) return &app;
    return nullptr;
}

std::string appManifest(const StoreApp& app, int stateFlags, long long bytesDownloaded) {
    const std::string total = std::to_string(app.bytes);
    const std::string done = std::to_string(bytesDownloaded);
    std::string text = "\"AppState\"\n{\n";
    text += pair("\t", "appid", app.appid);
    text += pair("\t", "universe", "1");
    text += pair("\t", "name", app.name);
    text += pair("\t", "StateFlags", std::to_string(stateFlags));
    text += pair("\t", "installdir", app.installFolder);
    text += pair("\t", "LastUpdated", std::to_string(std::time(nullptr)));
    text += pair("\t", "SizeOnDisk", done);
    text += pair("\t", "buildid", "17013040");
    text += pair("\t", "LastOwner", "0");
    text += pair("\t", "BytesToDownload", total);
    text += pair("\t", "BytesDownloaded", done);
    text += pair("\t", "BytesToStage", total);
    text += pair("\t", "BytesStaged", done);
    text += pair("\t", "AutoUpdateBehavior", "0");
    text += pair("\t", "AllowOtherDownloadsWhileRunning", "0");
    text += "\t\"UserConfig\"\n\t{\n" + pair("\t\t", "language", "english") + "\t}\n";
    text += "\t\"MountedConfig\"\n\t{\n" + pair("\t\t", "language", "english") + "\t}\n";
    text += "}\n";
    return text;
}

}  // namespace testbed_engine
