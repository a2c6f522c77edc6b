#pragma once
#include <exception>
#include <string>

#include "core/failure.h"

// What failureText gives when nothing was thrown.
inline constexpr const char* kNoFailure = "<no error>";

// The description of the Failure that `action` throws, or a marker naming
// what happened instead, so one EXPECT_EQ shows the whole story.
template <class Action>
std::string failureText(Action&& action) {
    try {
        action();
    } catch (const ludowell::Failure& failure) {
        return failure.description;
    } catch (const std::exception& other) {
        return std::string("<not a Failure: ") + other.what() + ">";
    }
    return kNoFailure;
}
