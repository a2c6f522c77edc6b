#pragma once
#include <stdlib.h>

// The suites compare English texts and plain numbers, so they run in
// English whatever the machine speaks. Call before the application object:
// Qt reads the system's locale once.
inline void speakEnglish() {
    ::setenv("LANGUAGE", "en", 1);
    ::setenv("LC_ALL", "C.UTF-8", 1);
}
