#pragma once
// What every harness needs: libFuzzer's entry types, and its input as text.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <exception>
#include <string>

inline std::string fuzzText(const uint8_t* data, size_t size) {
    return std::string(reinterpret_cast<const char*>(data), size);
}
