#pragma once
#include <filesystem>

namespace ludowell {

// One advisory lock per user: command-mode runs share it, an application
// update takes it exclusively. Never waited for; the OS drops it with the
// holding process, so a crash leaves nothing stale.
class UpdateLease {
public:
    explicit UpdateLease(bool exclusive, const std::filesystem::path& location = defaultLocation());
    ~UpdateLease();
    UpdateLease(const UpdateLease&) = delete;
    UpdateLease& operator=(const UpdateLease&) = delete;

    int fd() const { return fd_; }
    static std::filesystem::path defaultLocation();

private:
    int fd_;
};

}  // namespace ludowell
