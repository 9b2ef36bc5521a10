// Leak reports this test program must not fail on: memory the system's font library keeps for
// the whole process once Qt has asked it for fonts. Only read when built with the leak sanitizer.
extern "C" const char* __lsan_default_suppressions() {
    return "leak:libfontconfig.so\n";
}
