// Mesa's OSMesa keeps a few allocations for the life of the process (and
// frees some framebuffers only at exit, unreachably); LeakSanitizer is told
// to ignore them so that the sanitizer build reports our own leaks only.
extern "C" const char* __lsan_default_suppressions() {
    return "leak:libOSMesa.so\n";
}
