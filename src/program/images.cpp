#include "program/images.h"

#include <QtGlobal>

// Q_INIT_RESOURCE must be used outside any namespace.
static void initZelkorImages() {
    Q_INIT_RESOURCE(zelkor_images);
}

namespace zelkor {

void InitProgramImages() {
    static const bool done = (initZelkorImages(), true);
    (void)done;
}

}  // namespace zelkor
