// Counting the allocator calls a plug-in makes while it processes: the
// validator replaces malloc and free (where every operator new and delete
// ends) with counting versions, so a loaded plug-in's calls land there too.
// Sanitizer builds bring allocators of their own and count nothing.
#pragma once

namespace validator {

bool countingAllocations();

// Adds this thread's allocator calls to `counter` while it lives.
class CountingAllocations {
public:
    explicit CountingAllocations(long& counter);
    ~CountingAllocations();
    CountingAllocations(const CountingAllocations&) = delete;
    CountingAllocations& operator=(const CountingAllocations&) = delete;
};

}  // namespace validator
