// A reader module that takes a second over every workbook, as a large one does.
#include <unistd.h>

extern "C" __attribute__((visibility("default"))) const char* sdata1(const char*, const char*, const char*) {
    sleep(1);
    return "M1;Ani;P;;;;7;|";
}
