#include "ui/pictures.h"

#include <QtGlobal>

static void InitPictures() { Q_INIT_RESOURCE(pictures); }

namespace kelvoria {

void LoadPictures() {
    static const bool loaded = (InitPictures(), true);
    (void)loaded;
}

}  // namespace kelvoria
