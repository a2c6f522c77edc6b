#pragma once
// A copy of sleep started from a chosen path, so the process table shows
// that path as its executable, as a game, Steam or a Wine server would;
// `shownAs` names it otherwise in its arguments, as Wine shows its programs.
#include <signal.h>
#include <sys/wait.h>

#include <filesystem>
#include <string>

#include "platform/platform.h"
#include "platform/subprocess.h"
#include "support/eventually.h"

class LiveProcess {
public:
    explicit LiveProcess(const std::filesystem::path& executable, const std::string& shownAs = "") {
        namespace fs = std::filesystem;
        using ludowell::platform::Subprocess;
        fs::create_directories(executable.parent_path());
        fs::copy_file("/bin/sleep", executable, fs::copy_options::overwrite_existing);
        fs::permissions(executable, fs::perms::owner_all);
        if (shownAs.empty()) {
            pid_ = Subprocess::start({executable, {"60"}}).release();
            return;
        }
        pid_ = Subprocess::start({"/bin/bash", {"-c", "exec -a \"$0\" \"$1\" 60", shownAs, executable.string()}}).release();
        eventually([&] {
            auto arguments = ludowell::platform::processArguments(pid_);
            return !arguments.empty() && arguments.front() == shownAs;
        });
    }
    ~LiveProcess() { end(); }
    LiveProcess(const LiveProcess&) = delete;
    LiveProcess& operator=(const LiveProcess&) = delete;

    void end() {
        if (pid_ > 0 && ::kill(pid_, SIGKILL) == 0) ::waitpid(pid_, nullptr, 0);
        pid_ = -1;
    }

private:
    pid_t pid_ = -1;
};
