// <libproc.h> of the macOS SDK: the calls the platform layer makes.
#pragma once
#include <stdint.h>
#define PROC_PIDPATHINFO_MAXSIZE 4096
extern "C" {
int proc_listallpids(void* buffer, int buffersize);
int proc_pidpath(int pid, void* buffer, uint32_t buffersize);
}
