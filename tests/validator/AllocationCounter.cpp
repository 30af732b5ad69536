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
#include <cerrno>
#include <new>

extern "C" {
void* __libc_malloc(size_t size);
void* __libc_calloc(size_t count, size_t size);
void* __libc_realloc(void* pointer, size_t size);
void* __libc_memalign(size_t alignment, size_t size);
void __libc_free(void* pointer);
}

using validator::allocations::noteCall;

// clang-format off
static void* allocate(size_t size, size_t alignment = 0) {
    noteCall();
    void* p = alignment ? __libc_memalign(alignment, size ? size : 1) : __libc_malloc(size ? size : 1);
    if (!p) throw std::bad_alloc();
    return p;
}
static void release(void* pointer) { noteCall(); __libc_free(pointer); }

extern "C" {
void* malloc(size_t size) { noteCall(); return __libc_malloc(size); }
void* calloc(size_t count, size_t size) { noteCall(); return __libc_calloc(count, size); }
void* realloc(void* pointer, size_t size) { noteCall(); return __libc_realloc(pointer, size); }
void* memalign(size_t alignment, size_t size) { noteCall(); return __libc_memalign(alignment, size); }
void* aligned_alloc(size_t alignment, size_t size) { noteCall(); return __libc_memalign(alignment, size); }
int posix_memalign(void** out, size_t alignment, size_t size) {
    noteCall();
    *out = __libc_memalign(alignment, size);
    return *out ? 0 : ENOMEM;
}
void free(void* pointer) { release(pointer); }
}

void* operator new(size_t size) { return allocate(size); }
void* operator new[](size_t size) { return allocate(size); }
void* operator new(size_t size, const std::nothrow_t&) noexcept { noteCall(); return __libc_malloc(size ? size : 1); }
void* operator new[](size_t size, const std::nothrow_t&) noexcept { noteCall(); return __libc_malloc(size ? size : 1); }
void* operator new(size_t size, std::align_val_t a) { return allocate(size, static_cast<size_t>(a)); }
void* operator new[](size_t size, std::align_val_t a) { return allocate(size, static_cast<size_t>(a)); }
void operator delete(void* p) noexcept { release(p); }
void operator delete[](void* p) noexcept { release(p); }
void operator delete(void* p, size_t) noexcept { release(p); }
void operator delete[](void* p, size_t) noexcept { release(p); }
void operator delete(void* p, std::align_val_t) noexcept { release(p); }
void operator delete[](void* p, std::align_val_t) noexcept { release(p); }
void operator delete(void* p, size_t, std::align_val_t) noexcept { release(p); }
void operator delete[](void* p, size_t, std::align_val_t) noexcept { release(p); }
// clang-format on
#endif
