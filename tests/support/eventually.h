#pragma once
#include <chrono>
#include <thread>

// Polls `done` until it holds or `limit` has passed; `pause` runs between
// polls (a plain sleep, or a turn of an event loop).
template <class Done, class Pause>
bool eventually(Done&& done, std::chrono::milliseconds limit, Pause&& pause) {
    const auto deadline = std::chrono::steady_clock::now() + limit;
    while (!done()) {
        if (std::chrono::steady_clock::now() >= deadline) return false;
        pause();
    }
    return true;
}

template <class Done>
bool eventually(Done&& done, std::chrono::milliseconds limit = std::chrono::seconds(5)) {
    return eventually(done, limit, [] { std::this_thread::sleep_for(std::chrono::milliseconds(20)); });
}
