#include "common/journal.h"

#include <fcntl.h>
#include <unistd.h>

#include <nlohmann/json.hpp>

#include "common/files.h"
#include "common/prefix.h"

extern char** environ;

namespace testbed_engine {

void journal(const std::string& program, int argc, char** argv) {
    auto prefix = Prefix::fromEnvironment();
    if (!prefix) return;

    nlohmann::ordered_json entry;
    entry["program"] = program;
    entry["argv"] = nlohmann::json::array();
    for (int i = 1; i < argc; ++i) entry["argv"].push_back(argv[i]);
    nlohmann::json env = nlohmann::json::object();
    for (char** item = environ; item && *item; ++item) {
        std::string pair(*item);
        auto equals = pair.find('=');
        if (equals == std::string::npos) continue;
        env[pair.substr(0, equals)] = pair.substr(equals + 1);
    }
    entry["env"] = std::move(env);
    char cwd[4096];
    entry["cwd"] = getcwd(cwd, sizeof cwd) ? std::string(cwd) : std::string();

    std::string line =
        entry.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace) + "\n";
    appendAtOnce(prefix->dataRoot() / "testbed-journal.jsonl", line);
}

}  // namespace testbed_engine
