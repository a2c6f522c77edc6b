#include "world_cleanup.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <chrono>

#include "child_wait.h"
#include "platform/subprocess.h"
#include "runtime/runtime.h"

namespace testbed {
namespace fs = std::filesystem;

// A test may leave read-only files behind (Wine does); make them removable.
void removeTree(const fs::path& folder) {
    std::error_code ec;
    fs::remove_all(folder, ec);
    if (!ec) return;
    for (auto it = fs::recursive_directory_iterator(folder, fs::directory_options::skip_permission_denied, ec);
         !ec && it != fs::recursive_directory_iterator(); it.increment(ec)) {
        std::error_code ignored;
        if (it->is_directory(ignored) && !it->is_symlink(ignored))
            fs::permissions(it->path(), fs::perms::owner_all, fs::perm_options::add, ignored);
    }
    fs::remove_all(folder, ec);
}

// Every folder holding a "prefix" is a data root some test used, whether
// named explicitly or the default one under home.
void stopWineServersIn(const fs::path& folder, const fs::path& resources,
                       const std::map<std::string, std::string>& overrides) {
    std::vector<fs::path> roots;
    std::error_code ec;
    for (auto it = fs::recursive_directory_iterator(folder, fs::directory_options::skip_permission_denied, ec);
         !ec && it != fs::recursive_directory_iterator(); it.increment(ec)) {
        std::error_code ignored;
        if (it->is_symlink(ignored) || !it->is_directory(ignored)) continue;
        const std::string name = it->path().filename().string();
        if (name == "prefix") roots.push_back(it->path().parent_path());
        if (name == "prefix" || name == "Ludowell.app" || name == "deps" || name == "logs" ||
            name == "downloads" || name.starts_with("engine"))
            it.disable_recursion_pending();
    }

    for (const auto& root : roots) {
        const ludowell::Runtime runtime(root, resources);
        const fs::path server = runtime.server();
        if (::access(server.c_str(), X_OK) != 0) continue;
        auto env = runtime.environment(false, false);
        for (auto& [name, value] : overrides) env[name] = value;
        int devNull = ::open("/dev/null", O_WRONLY | O_CLOEXEC);
        ludowell::platform::Subprocess::Options request{server, {"-k"}};
        request.environment = &env;
        request.outputFd = devNull;
        try {
            pid_t pid = ludowell::platform::Subprocess::start(request).release();
            int status = 0;
            if (!waitFor(pid, status, 20)) killAndReap(pid);
        } catch (const std::exception&) {
        }
        ::close(devNull);
    }
}

std::map<std::string, std::string> worldVariables(const fs::path& home, const fs::path& caBundle) {
    return {{"HOME", home.string()},
            {"XDG_DATA_HOME", (home / ".local/share").string()},
            {"CURL_CA_BUNDLE", caBundle.string()}};
}

constexpr char kWorldPrefix[] = "ludowell-world-";

// A test process that crashed or was killed never ran its world's
// destructor. A live world holds the lock on its "world.lock"; a folder
// whose lock can be taken, or an old one without it, is abandoned.
void sweepAbandonedWorlds(const fs::path& temporary, const fs::path& self) {
    std::error_code ec;
    for (auto it = fs::directory_iterator(temporary, ec); !ec && it != fs::directory_iterator(); it.increment(ec)) {
        const fs::path folder = it->path();
        std::error_code ignored;
        if (!folder.filename().string().starts_with(kWorldPrefix) || folder == self || it->is_symlink(ignored) ||
            !it->is_directory(ignored))
            continue;
        // A world takes its lock just after making its folder: give it time.
        const auto age = fs::file_time_type::clock::now() - fs::last_write_time(folder, ignored);
        if (ignored || age < std::chrono::minutes(1)) continue;
        int fd = ::open((folder / "world.lock").c_str(), O_RDWR | O_CLOEXEC);
        if (fd >= 0) {
            const bool abandoned = ::flock(fd, LOCK_EX | LOCK_NB) == 0;
            if (abandoned) {
                stopWineServersIn(folder, folder / "Ludowell.app/Contents/Resources",
                                  worldVariables(folder / "home", folder / "certs/ca.pem"));
                removeTree(folder);
            }
            ::close(fd);
            continue;
        }
        if (age > std::chrono::minutes(10)) removeTree(folder);
    }
}

}  // namespace testbed
