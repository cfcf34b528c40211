#include "viewers/qr_code.h"

namespace Dovrel {

QImage qrCodeImage(const QString &)
{
    return QImage();
}

} // namespace Dovrel
