// Interlocked counts for reference-counted buffers. GCC's atomic builtins
// compile to the platform's interlocked instructions on both toolchains, so
// one definition serves Windows and POSIX.
#pragma once

#include <cstdint>

inline int32_t MInterlockedIncrement(int32_t* value) {
  return __atomic_add_fetch(value, 1, __ATOMIC_SEQ_CST);
}

inline int32_t MInterlockedDecrement(int32_t* value) {
  return __atomic_sub_fetch(value, 1, __ATOMIC_SEQ_CST);
}
