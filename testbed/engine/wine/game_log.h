#pragma once
// Steam's "logs/gameprocess_log.txt": the lines the client writes when it
// starts and stops tracking a game's processes.
#include <sys/types.h>

#include <filesystem>
#include <string>
#include <vector>

#include "wine/steam_store.h"

namespace testbed_engine {

class GameProcessLog {
public:
    explicit GameProcessLog(std::filesystem::path file) : file_(std::move(file)) {}

    // The game's executable started as `pid`; `helperPid` is a Steam helper
    // tracked for the same app, whose line does not name the game.
    void added(const StoreApp& app, pid_t pid, const std::string& windowsExe, pid_t helperPid,
               const std::string& helperExe) const;
    void ended(const StoreApp& app, pid_t pid, int exitCode, const std::string& windowsExe) const;

private:
    void append(const std::vector<std::string>& lines) const;
    std::filesystem::path file_;
};

}  // namespace testbed_engine
