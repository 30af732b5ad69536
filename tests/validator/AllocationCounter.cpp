#include "tests/validator/AllocationCounter.h"

#include <atomic>

namespace validator::allocations {

static std::atomic<long> calls{0};
static thread_local int openWindows = 0;

[[maybe_unused]] static void noteCall() {
    if (openWindows > 0) calls.fetch_add(1, std::memory_order_relaxed);
}

Window::Window() { ++openWindows; }
Window::~Window() { --openWindows; }
long count() { return calls.load(); }
#if defined(ZARVOLINE_SANITIZED)
bool available() { return false; }
#else
bool available() { return true; }
#endif

}  // namespace validator::allocations

#if !defined(ZARVOLINE_SANITIZED)
// The C library's allocator behind its exported names. Every operator new and
// delete, ours or a plug-in's own linked-in copy, ends in one of the functions
// below, which the executable exports in place of the C library's.
#include <cerrno>
#include <cstddef>

extern "C" {
void* __libc_malloc(size_t size);
void* __libc_calloc(size_t count, size_t size);
void* __libc_realloc(void* pointer, size_t size);
void* __libc_memalign(size_t alignment, size_t size);
void __libc_free(void* pointer);

using validator::allocations::noteCall;

// clang-format off
void* malloc(size_t size) { noteCall(); return __libc_malloc(size); }
void* calloc(size_t count, size_t size) { noteCall(); return __libc_calloc(count, size); }
void* realloc(void* pointer, size_t size) { noteCall(); return __libc_realloc(pointer, size); }
void* memalign(size_t alignment, size_t size) { noteCall(); return __libc_memalign(alignment, size); }
void* aligned_alloc(size_t alignment, size_t size) { noteCall(); return __libc_memalign(alignment, size); }
void free(void* pointer) { noteCall(); __libc_free(pointer); }
// clang-format on
int posix_memalign(void** out, size_t alignment, size_t size) {
    noteCall();
    *out = __libc_memalign(alignment, size);
    return *out ? 0 : ENOMEM;
}
}
#endif
