// <spawn.h> with Darwin's additions, as the macOS SDK declares them.
#pragma once
#include_next <spawn.h>

#undef POSIX_SPAWN_SETSID
#define POSIX_SPAWN_SETSID 0x0400
#define POSIX_SPAWN_CLOEXEC_DEFAULT 0x4000
extern "C" {
int posix_spawn_file_actions_addinherit_np(posix_spawn_file_actions_t*, int);
int posix_spawn_file_actions_addchdir_np(posix_spawn_file_actions_t*, const char*);
}
