// Debian's GNUstep is built on GCC's Objective-C runtime, whose runtime.h
// reads an object's class through `id` as a plain struct, which clang
// refuses under ARC. While that header is read, `id` is that struct's
// pointer; the adapter itself sees clang's `id`.
#pragma once
#define id struct objc_object*
#include_next <objc/runtime.h>
#undef id
