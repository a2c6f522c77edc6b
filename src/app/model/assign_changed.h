#pragma once

namespace ludowell {

// Stores `value` in `field` and says whether it differed, so a property
// setter emits its change signal only when something changed.
template <class T>
bool assignChanged(T& field, const T& value) {
    if (field == value) return false;
    field = value;
    return true;
}

}  // namespace ludowell
