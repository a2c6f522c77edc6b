#pragma once
// Every Wine invocation a data root's journal holds, in order.
#include <filesystem>
#include <vector>

#include <nlohmann/json.hpp>

#include "testbed_world.h"

inline std::vector<nlohmann::json> wineCalls(const std::filesystem::path& root) {
    std::vector<nlohmann::json> calls;
    for (auto& entry : testbed::World::journal(root))
        if (entry["program"] == "wine") calls.push_back(entry);
    return calls;
}
