#pragma once
// A broken property ends the run with the condition and its line, so the
// fuzzer keeps the input and the log says what went wrong.
#include <cstdio>
#include <cstdlib>

#define FUZZ_CHECK(condition)                                                          \
    ((condition) ? (void)0                                                             \
                 : (std::fprintf(stderr, "%s:%d: check failed: %s\n", __FILE__, __LINE__, \
                                 #condition),                                          \
                    std::abort()))
