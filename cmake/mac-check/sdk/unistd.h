// <unistd.h> with Darwin's additions, as the macOS SDK declares them.
#pragma once
#include_next <unistd.h>

#define _CS_DARWIN_USER_DIR 65536
#define _CS_DARWIN_USER_TEMP_DIR 65537
#define _CS_DARWIN_USER_CACHE_DIR 65538
