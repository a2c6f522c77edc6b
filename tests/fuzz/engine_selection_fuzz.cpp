// The engine selection: whatever decodes must survive its own encoding.
#include "engine/engine_manifest.h"
#include "runtime/engine_selection.h"
#include "fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using ludowell::EngineSelection;
    auto selection = EngineSelection::decode(fuzzText(data, size));
    if (!selection) return 0;
    ludowell::EngineManifest::safeComponent(selection->current);
    auto again = EngineSelection::decode(selection->encode());
    if (!again || again->current != selection->current || again->previous != selection->previous) std::abort();
    return 0;
}
