#include "wine/game_log.h"

#include <fcntl.h>
#include <unistd.h>

#include "common/files.h"

namespace testbed_engine {

void GameProcessLog::added(const StoreApp& app, pid_t pid, const std::string& windowsExe, pid_t helperPid,
                           const std::string& helperExe) const {
    const std::string id = "AppID " + app.appid;
    append({
        id + " state changed : Fully Installed,App Running,",
        id + " adding PID " + std::to_string(pid) + " as a tracked process \"" + windowsExe + "\"",
        "Game process added : " + id + " \"" + windowsExe + "\", ProcID " + std::to_string(pid) + ", IP 0.0.0.0:0",
        id + " adding PID " + std::to_string(helperPid) + " as a tracked process \"" + helperExe + "\"",
    });
}

void GameProcessLog::ended(const StoreApp& app, pid_t pid, int exitCode, const std::string& windowsExe) const {
    const std::string id = "AppID " + app.appid;
    append({
        id + " no longer tracking PID " + std::to_string(pid) + ", exit code " + std::to_string(exitCode),
        "Game process removed: " + id + " \"" + windowsExe + "\", ProcID " + std::to_string(pid),
        id + " state changed : Fully Installed,",
        "Remove " + app.appid + " from running list",
    });
}

void GameProcessLog::append(const std::vector<std::string>& lines) const {
    const std::string stamp = "[" + logTimestamp() + "] ";
    std::string text;
    for (const auto& line : lines) text += stamp + line + "\n";
    appendAtOnce(file_, text);
}

}  // namespace testbed_engine
