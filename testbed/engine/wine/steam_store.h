#pragma once
// The testbed Steam client's store: the apps it can install, and Valve's
// app manifest format that it writes for them.
#include <string>

namespace testbed_engine {

struct StoreApp {
    std::string appid;
    std::string name;
    std::string installFolder;
    std::string executable;
    long long bytes;
};

const StoreApp* findStoreApp(const std::string& appid);

// "steamapps/appmanifest_<appid>.acf" content: Valve's key-value text.
std::string appManifest(const StoreApp& app, int stateFlags, long long bytesDownloaded);

}  // namespace testbed_engine
