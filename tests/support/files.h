#pragma once
// Files as the tests plant them and look for what a run left behind.
#include <filesystem>
#include <fstream>
#include <string>

// Writes `text` to `file`, making its folders first.
inline void writeFile(const std::filesystem::path& file, const std::string& text = "", bool executable = false) {
    namespace fs = std::filesystem;
    fs::create_directories(file.parent_path());
    std::ofstream(file, std::ios::binary | std::ios::trunc) << text;
    if (executable) fs::permissions(file, fs::perms::owner_all, fs::perm_options::add);
}

// Engine staging and the hashing folders of signed files.
inline bool stagingLeft(const std::filesystem::path& root) {
    std::error_code ec;
    for (std::filesystem::directory_iterator it(root, ec), end; !ec && it != end; it.increment(ec))
        if (it->path().filename().string().find("-staging-") != std::string::npos) return true;
    return false;
}
