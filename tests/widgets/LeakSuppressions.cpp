// Leaks of the libraries under the kit, reported by the leak checker at exit
// although nothing grows (the many-cycle window test shows none):
// fontconfig keeps a few patterns of its configuration for the life of the
// process, and cairo's X11 backend keeps one small block from its first
// upload to a window. The sanitizer runtime finds these functions by name.
#define ZARVOLINE_SANITIZER_HOOK extern "C" __attribute__((visibility("default"), used))

ZARVOLINE_SANITIZER_HOOK const char* __lsan_default_suppressions() {
    return "leak:libfontconfig.so\n"
           "leak:X11NativeWindow::present\n";
}

// Cairo has no frame pointers: only the slow unwinder sees the kit's frames
// above it, which the second suppression needs.
ZARVOLINE_SANITIZER_HOOK const char* __asan_default_options() { return "fast_unwind_on_malloc=0"; }
