// Counts calls of the C and C++ allocators made on the calling thread while a
// Window is open. The validator binary replaces malloc, free and operator
// new/delete with counting versions, so a loaded plug-in's calls land here too.
// Sanitizer builds bring allocators of their own and count nothing.
#pragma once

namespace validator::allocations {

bool available();
long count();  // calls seen in windows so far, all threads together

struct Window {
    Window();
    ~Window();
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;
};

}  // namespace validator::allocations
