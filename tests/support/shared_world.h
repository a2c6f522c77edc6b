#pragma once
#include "testbed_world.h"

// One world for the whole run, removed when it ends: HOME, the data folder
// and the bundle point into it.
inline testbed::World& world() {
    static testbed::World shared;
    static const bool exported = (shared.exportToThisProcess(), true);
    (void)exported;
    return shared;
}
