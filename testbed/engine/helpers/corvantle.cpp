// The engine's tuning sidecar; on the testbed it has nothing to tune.
#include "common/journal.h"
#include "common/process.h"

int main(int argc, char** argv) {
    testbed_engine::closeInheritedDescriptors();
    testbed_engine::journal("Corvantle", argc, argv);
    return 0;
}
