// QB_CHECK: an assertion for broken internal invariants (bounds above all)
// that stays on in release builds.
#pragma once

#include <cstdio>
#include <cstdlib>

#define QB_CHECK(condition)                                                                   \
  do {                                                                                        \
    if (!(condition)) {                                                                       \
      std::fprintf(stderr, "%s:%d: check failed: %s\n", __FILE__, __LINE__, #condition);     \
      std::abort();                                                                           \
    }                                                                                         \
  } while (false)
