// The licence reader: RTF or plain text, any bytes, never a crash.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "ui/rtf_reader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    ludowell::readStyledText(bytes);
    ludowell::rtfToRichText(bytes);
    return 0;
}
