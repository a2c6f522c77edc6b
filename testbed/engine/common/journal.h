#pragma once
#include <string>

namespace testbed_engine {

// Appends one JSON line for this invocation (program, arguments, whole
// environment, working folder) to "testbed-journal.jsonl" beside the
// prefix, so tests can see exactly how the app called the engine. Does
// nothing without WINEPREFIX or when the data root does not exist.
void journal(const std::string& program, int argc, char** argv);

}  // namespace testbed_engine
