#pragma once
// The app an update archive unpacked, held against what the feed offered
// and what runs now before it may take the bundle's place.
#include <filesystem>
#include <string>

namespace ludowell {

struct StagedBundle {
    std::filesystem::path staging;     // where the archive was unpacked
    std::filesystem::path bundle;      // the running bundle, "…/Ludowell.app"
    std::filesystem::path executable;  // inside `bundle`
    std::string offered;               // the version the feed offered
    std::string running;               // this bundle's version
};

// The unpacked app, a real folder inside the staging folder. Throws
// UpdateError when there is none, when it is a link or leads outside,
// when it has no executable twin of ours, or when its own version is not
// the offered one or not newer than the running one.
std::filesystem::path checkedStagedApp(const StagedBundle& staged);

}  // namespace ludowell
