#pragma once
// A failed invariant aborts, so libFuzzer keeps the input that broke it as a crash.

#include <cstdio>
#include <cstdlib>

#define KELVARA_FUZZ_CHECK(condition)                                                           \
    do {                                                                                        \
        if (!(condition)) {                                                                     \
            std::fprintf(stderr, "%s:%d: invariant failed: %s\n", __FILE__, __LINE__, #condition); \
            std::abort();                                                                       \
        }                                                                                       \
    } while (0)
