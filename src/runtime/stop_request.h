#pragma once
// A command-mode run is stopped by SIGTERM (the window's Stop), SIGINT
// (Control-C) or SIGHUP (its terminal closed): the tool running at that
// moment is ended and the step fails
// with kStoppedText, as if the process had died there, but with its locks
// released and its last line written.
namespace ludowell {

inline constexpr const char* kStoppedText = "Stopped at your request. Finished steps and downloads are kept.";

// Catches the three signals from here on, unblocking them; called as
// command mode starts, before anything else.
void watchForStopRequests();
bool stopRequested();
// Throws Failure(kStoppedText) once a stop was asked for.
void throwIfStopRequested();

}  // namespace ludowell
