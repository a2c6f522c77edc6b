#pragma once

namespace ludowell {

class Runtime;

// Brings the data root's engine up to the one the bundle ships: staged,
// verified, started once, then selected in one atomic write, keeping the
// previous engine. Returns at once when it is already current.
void ensureCurrentEngine(const Runtime& runtime);

}  // namespace ludowell
