#pragma once
#include <exception>
#include <string>

namespace ludowell {

// The one user-facing error: its description is shown or printed unchanged,
// and the window looks for fixed phrases in it, so the wording is interface.
class Failure : public std::exception {
public:
    explicit Failure(std::string text) : description(std::move(text)) {}
    const char* what() const noexcept override { return description.c_str(); }
    std::string description;
};

// A tool outlived its time limit. Carries nothing: callers give it meaning.
class TimedOut : public std::exception {
public:
    const char* what() const noexcept override { return "The command timed out."; }
};

}  // namespace ludowell
