#pragma once

#include <QImage>
#include <QString>

namespace Dovrel {

// The QR code of a text (the viewer page's address) at error correction level M, one pixel a module, with a quiet
// zone of four modules around it: black modules on white. A text too long for any QR code gives a null image.
QImage qrCodeImage(const QString &text);

} // namespace Dovrel
