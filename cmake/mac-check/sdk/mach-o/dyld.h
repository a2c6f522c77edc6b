// <mach-o/dyld.h> of the macOS SDK: the call the platform layer makes.
#pragma once
#include <stdint.h>
extern "C" int _NSGetExecutablePath(char* buf, uint32_t* bufsize);
