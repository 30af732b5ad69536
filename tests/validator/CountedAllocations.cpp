#include "tests/validator/CountedAllocations.h"

#include <cerrno>
#include <cstddef>

namespace validator {

static thread_local long* allocationCounter = nullptr;  // the processing instance's count

CountingAllocations::CountingAllocations(long& counter) { allocationCounter = &counter; }
CountingAllocations::~CountingAllocations() { allocationCounter = nullptr; }

}  // namespace validator

#if defined(ZARVOLINE_SANITIZED)
bool validator::countingAllocations() { return false; }
#else
bool validator::countingAllocations() { return true; }

// The C library's allocator behind its exported names. Every operator new and
// delete, ours or a plug-in's own linked-in copy, ends in one of the functions
// below, which the executable exports in place of the C library's.
extern "C" {
void* __libc_malloc(size_t size);
void* __libc_calloc(size_t count, size_t size);
void* __libc_realloc(void* pointer, size_t size);
void* __libc_memalign(size_t alignment, size_t size);
void __libc_free(void* pointer);

static void noteCall() {
    if (validator::allocationCounter) ++*validator::allocationCounter;
}

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
    return (*out = __libc_memalign(alignment, size)) ? 0 : ENOMEM;
}
}
#endif
