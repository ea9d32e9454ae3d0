// A library with the name of the reader module but without its entry point "sdata1".
extern "C" __attribute__((visibility("default"))) int readerVersion() {
    return 1;
}
