// <stdio.h> with Darwin's additions, as the macOS SDK declares them.
#pragma once
#include_next <stdio.h>

#define RENAME_SWAP 0x00000002
#define RENAME_EXCL 0x00000004
extern "C" int renamex_np(const char*, const char*, unsigned int);
