// libc++'s own headers call these glibc extensions, which glibc declares only
// under _GNU_SOURCE. The Mac's sources are checked without it, so the calls
// are declared here for libc++ alone (Darwin has all but
// pthread_cond_clockwait, which libc++ uses only on glibc). Only the types
// are included, so no other call becomes visible to the sources.
#pragma once
#include <features.h>
#include <bits/pthreadtypes.h>
#include <bits/types/clockid_t.h>
#include <bits/types/locale_t.h>

extern "C" {
// The deadline is taken untyped: libc++ passes its own pointer, which converts.
int pthread_cond_clockwait(pthread_cond_t*, pthread_mutex_t*, clockid_t, const void* deadline);
int vasprintf(char**, const char*, __builtin_va_list);
long long strtoll_l(const char*, char**, int, locale_t);
unsigned long long strtoull_l(const char*, char**, int, locale_t);
float strtof_l(const char*, char**, locale_t);
double strtod_l(const char*, char**, locale_t);
long double strtold_l(const char*, char**, locale_t);
}
