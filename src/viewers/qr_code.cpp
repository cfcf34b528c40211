#include "viewers/qr_code.h"

#include <qrcodegen.hpp>

#include <cstdint>
#include <stdexcept>
#include <vector>

namespace Dovrel {

namespace {

// The light margin around the code that a reader needs to find it, in modules.
constexpr int QuietZone = 4;

} // namespace

QImage qrCodeImage(const QString &text)
{
    using qrcodegen::QrCode;
    using qrcodegen::QrSegment;
    const QByteArray utf8 = text.toUtf8();
    try {
        // The library picks the densest mode for a text up to its first zero byte; a text holding one goes as bytes.
        const std::vector<QrSegment> segments =
            utf8.contains('\0') ? std::vector{QrSegment::makeBytes(std::vector<std::uint8_t>(utf8.begin(), utf8.end()))}
                                : QrSegment::makeSegments(utf8.constData());
        // Level M as it says, not raised where the version would have room for more.
        const QrCode code =
            QrCode::encodeSegments(segments, QrCode::Ecc::MEDIUM, QrCode::MIN_VERSION, QrCode::MAX_VERSION, -1, false);
        const int modules = code.getSize();
        QImage image(modules + 2 * QuietZone, modules + 2 * QuietZone, QImage::Format_Mono);
        image.setColorTable({qRgb(255, 255, 255), qRgb(0, 0, 0)});
        image.fill(0);
        for (int y = 0; y < modules; ++y) {
            for (int x = 0; x < modules; ++x) {
                if (code.getModule(x, y))
                    image.setPixel(QuietZone + x, QuietZone + y, 1);
            }
        }
        return image;
    } catch (const std::length_error &) {
        // More than version 40 holds at level M.
        return QImage();
    }
}

} // namespace Dovrel
