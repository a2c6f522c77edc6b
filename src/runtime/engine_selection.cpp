#include "runtime/engine_selection.h"

#include <nlohmann/json.hpp>

#include "core/files.h"
#include "runtime/runtime.h"

namespace ludowell {

bool isSafeEngineVersion(const std::string& text) {
    // ASCII only, so bytes and characters agree.
    if (text.empty() || text.size() >= 100) return false;
    for (unsigned char c : text)
        if (!((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-'))
            return false;
    return true;
}

std::string EngineSelection::encode() const {
    nlohmann::ordered_json object;
    object["current"] = current;
    if (previous) object["previous"] = *previous;
    return object.dump();
}

std::optional<EngineSelection> EngineSelection::decode(const std::string& text) {
    try {
        auto document = nlohmann::json::parse(text);
        EngineSelection selection;
        selection.current = document.at("current").get<std::string>();
        if (auto it = document.find("previous"); it != document.end() && !it->is_null())
            selection.previous = it->get<std::string>();
        return selection;
    } catch (const nlohmann::json::exception&) {
        return std::nullopt;
    }
}

fs::path Runtime::engineSelectionFile() const { return root_ / "engine-selection.json"; }

// No readable selection means the first engine layout, "engine".
fs::path Runtime::engine() const {
    auto text = readFile(engineSelectionFile());
    if (!text) return root_ / "engine";
    auto selection = EngineSelection::decode(*text);
    if (!selection || !isSafeEngineVersion(selection->current)) return root_ / "engine";
    return root_ / ("engine-" + selection->current);
}

}  // namespace ludowell
