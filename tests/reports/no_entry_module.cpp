// A library with the name of an export module but without its entry point "sData".
extern "C" __attribute__((visibility("default"))) int exportVersion() {
    return 1;
}
