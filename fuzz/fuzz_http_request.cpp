// The head of a viewer's HTTP request, as bytes arrive over the hall's network in pieces of any size.
#include "core/http_request.h"
#include "support.h"

using namespace Dovrel;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes = Fuzz::bytesOf(data, size);
    HttpRequestReader whole;
    const HttpRequestReader::State once = whole.feed(bytes);
    // The same bytes in pieces, their sizes taken from the first byte, must be read the same way.
    HttpRequestReader pieces;
    const qsizetype step = bytes.isEmpty() ? 1 : 1 + static_cast<unsigned char>(bytes.front()) % 13;
    for (qsizetype at = 0; at < bytes.size(); at += step)
        pieces.feed(QByteArrayView(bytes).sliced(at, std::min(step, bytes.size() - at)));
    if (pieces.state() != once)
        Fuzz::fail("pieces read otherwise than the whole");
    if (once == HttpRequestReader::State::Complete) {
        const HttpRequest &request = whole.request();
        if (!request.path.startsWith('/') || request.path.contains(' ') || request.method.isEmpty())
            Fuzz::fail("a request of the wrong form read as complete");
        if (request.path != pieces.request().path || request.query != pieces.request().query)
            Fuzz::fail("pieces gave another request");
    }
    // More bytes after the end change nothing.
    if (once != HttpRequestReader::State::Incomplete && whole.feed("GET / HTTP/1.1\r\n\r\n") != once)
        Fuzz::fail("bytes after the head changed the verdict");
    return 0;
}
