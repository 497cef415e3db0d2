// The dial pictures of the master type table, any bytes: the conversion gives
// an image no larger than the picture's header allows, or a null image, and
// never reads outside the value.
#include "catalogue/MasterPicture.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray picture(reinterpret_cast<const char *>(data), int(size));
    const QImage image = master_picture::toImage(picture);
    if (!image.isNull() && (image.width() > 16384 || image.height() > 16384))
        std::abort();
    return 0;
}
