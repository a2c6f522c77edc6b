#pragma once
#include <exception>
#include <string>

namespace ludowell {

// The one user-facing error: its description is shown or printed unchanged,
// and the window looks for fixed phrases in it, so the wording is interface.
class Failure : public std::exception {
public:
    explicit Failure(std::string text, std::string cause = {})
        : description(std::move(text)), cause(std::move(cause)) {}
    const char* what() const noexcept override { return description.c_str(); }
    std::string description;
    // What lay behind it in the system's own terms (a full disk, a folder
    // that cannot be written), told beside the description, never in it.
    std::string cause;
};

// An error of the system (a file, a folder, a disk) in plain words, with
// the path it concerns: what a person needs to put it right.
std::string plainReason(const std::exception& error);
std::string plainReason(int error, const std::string& path);

// A tool outlived its time limit. Carries nothing: callers give it meaning.
class TimedOut : public std::exception {
public:
    const char* what() const noexcept override { return "The command timed out."; }
};

}  // namespace ludowell
