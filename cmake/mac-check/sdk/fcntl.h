// <fcntl.h> as a Mac's declares it: the system's, and Darwin's own flush
// to the drive's platters.
#pragma once
#include_next <fcntl.h>

#define F_FULLFSYNC 51
