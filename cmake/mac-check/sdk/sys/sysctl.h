// <sys/sysctl.h> of the macOS SDK: the calls the platform layer makes.
#pragma once
#include <stddef.h>
#define CTL_KERN 1
#define KERN_PROCARGS2 49
extern "C" {
int sysctl(int* name, unsigned int namelen, void* oldp, size_t* oldlenp, void* newp, size_t newlen);
int sysctlbyname(const char* name, void* oldp, size_t* oldlenp, void* newp, size_t newlen);
}
