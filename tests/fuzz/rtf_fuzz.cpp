// The licence reader: RTF or plain text, any bytes, never a crash.
#include "ui/rtf_reader.h"
#include "fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string bytes = fuzzText(data, size);
    ludowell::readStyledText(bytes);
    ludowell::rtfToRichText(bytes);
    return 0;
}
