// Apple's objc.h makes nil and Nil nullptr in C++, so nil converts to any
// pointer; GCC's makes them casts to id and Class, which ARC will not pass
// as a void*. The adapter is compiled as Apple's headers would take it.
#pragma once
#include_next <objc/objc.h>
#undef nil
#undef Nil
#define nil nullptr
#define Nil nullptr
