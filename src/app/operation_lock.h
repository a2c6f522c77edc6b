#pragma once
#include <filesystem>

namespace ludowell {

// One command-mode run per data root: an exclusive advisory lock on
// "operation.lock", never waited for and dropped by the OS with the process.
class OperationLock {
public:
    explicit OperationLock(const std::filesystem::path& root);
    ~OperationLock();
    OperationLock(const OperationLock&) = delete;
    OperationLock& operator=(const OperationLock&) = delete;

private:
    int fd_;
};

// Staging folders, half-written temporaries of atomic writes and copies,
// and partial downloads are never engines or user data; a killed run
// leaves them behind, and the next run that holds the lock clears them.
void removeLeftoverStaging(const std::filesystem::path& root);

}  // namespace ludowell
