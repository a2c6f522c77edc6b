#pragma once
// One archive a user can attach to a request for help: what this Mac and
// this data root look like and what the last steps printed, without any
// file that could sign in as the user or tell who they are.
#include <filesystem>

namespace ludowell {

class Runtime;

// Writes the report as a gzip-compressed tar archive at `output`, whole or
// not at all. Reads the data root and never changes it.
void writeSupportReport(const Runtime& runtime, const std::filesystem::path& output);

}  // namespace ludowell
