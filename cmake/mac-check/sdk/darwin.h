// Declarations of the few Darwin calls the platform layer makes that a
// Linux C library lacks, with the Mac SDK's signatures, so the Mac's
// sources can be compiled for errors here. Never linked.
#pragma once
#include <spawn.h>
#include <stddef.h>
#include <stdint.h>
#include <sys/types.h>

#define _CS_DARWIN_USER_TEMP_DIR 65537
#define POSIX_SPAWN_CLOEXEC_DEFAULT 0x4000
#define RENAME_SWAP 0x00000002
#define F_FULLFSYNC 51
extern "C" {
int posix_spawn_file_actions_addinherit_np(posix_spawn_file_actions_t*, int);
int renamex_np(const char*, const char*, unsigned int);
}
