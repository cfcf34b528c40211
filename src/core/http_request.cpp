#include "core/http_request.h"

#include <QList>

#include <algorithm>

namespace Dovrel {

namespace {

constexpr qsizetype TargetLimit = 2048;

// A visible character of a target: no blanks, no control characters, nothing beyond ASCII.
bool isTargetChar(char c)
{
    return c > 32 && c < 127;
}

bool isTokenChar(char c)
{
    static constexpr QByteArrayView Separators = "()<>@,;:\\\"/[]?={} \t";
    return isTargetChar(c) && !Separators.contains(c);
}

bool isToken(QByteArrayView text)
{
    if (text.isEmpty())
        return false;
    for (char c : text) {
        if (!isTokenChar(c))
            return false;
    }
    return true;
}

bool isFieldValue(QByteArrayView value)
{
    for (char c : value) {
        const auto byte = static_cast<unsigned char>(c);
        if ((byte < 32 && c != '\t') || byte == 127)
            return false;
    }
    return true;
}

// Lines ended by CR LF, or a lone LF as lenient readers take it; a CR anywhere else is not allowed.
bool splitLines(const QByteArray &head, QList<QByteArrayView> &lines)
{
    qsizetype start = 0;
    while (start < head.size()) {
        const qsizetype end = head.indexOf('\n', start);
        if (end < 0)
            return false;
        qsizetype lineEnd = end;
        if (lineEnd > start && head.at(lineEnd - 1) == '\r')
            --lineEnd;
        const QByteArrayView line(head.constData() + start, lineEnd - start);
        if (line.contains('\r'))
            return false;
        lines.append(line);
        start = end + 1;
    }
    return true;
}

} // namespace

HttpRequestReader::State HttpRequestReader::feed(QByteArrayView bytes)
{
    if (m_state != State::Incomplete || bytes.isEmpty())
        return m_state;
    const qsizetype before = m_head.size();
    m_head.append(bytes.first(std::min(bytes.size(), HeadLimit + 1 - before)));
    // The head ends with the first empty line; a search from a little before the new bytes finds one split across
    // two reads.
    const qsizetype from = std::max<qsizetype>(0, before - 3);
    qsizetype end = m_head.indexOf("\r\n\r\n", from);
    qsizetype endLength = 4;
    const qsizetype bare = m_head.indexOf("\n\n", from);
    if (bare >= 0 && (end < 0 || bare < end)) {
        end = bare;
        endLength = 2;
    }
    if (end < 0) {
        if (m_head.size() > HeadLimit)
            m_state = State::Bad;
        return m_state;
    }
    m_head.truncate(end + endLength);
    if (m_head.size() > HeadLimit) {
        m_state = State::Bad;
        return m_state;
    }
    m_state = parse();
    return m_state;
}

HttpRequestReader::State HttpRequestReader::state() const
{
    return m_state;
}

const HttpRequest &HttpRequestReader::request() const
{
    return m_request;
}

HttpRequestReader::State HttpRequestReader::parse()
{
    QList<QByteArrayView> lines;
    if (!splitLines(m_head, lines) || lines.size() < 2 || !lines.last().isEmpty())
        return State::Bad;
    const QList<QByteArray> parts = lines.first().toByteArray().split(' ');
    if (parts.size() != 3 || !isToken(parts.at(0)) || (parts.at(2) != "HTTP/1.1" && parts.at(2) != "HTTP/1.0"))
        return State::Bad;
    const QByteArray &target = parts.at(1);
    if (target.isEmpty() || target.size() > TargetLimit || target.front() != '/')
        return State::Bad;
    for (char c : target) {
        if (!isTargetChar(c))
            return State::Bad;
    }
    for (qsizetype i = 1; i + 1 < lines.size(); ++i) {
        const QByteArrayView line = lines.at(i);
        const qsizetype colon = line.indexOf(':');
        // Obsolete line folding (a line starting with a blank) is refused, as a header without a name is.
        if (colon <= 0 || !isToken(line.first(colon)) || !isFieldValue(line.sliced(colon + 1)))
            return State::Bad;
        const QByteArray name = line.first(colon).toByteArray().toLower();
        const QByteArray value = line.sliced(colon + 1).toByteArray().trimmed();
        // A body has no place in a viewer's request.
        if (name == "transfer-encoding" || (name == "content-length" && value != "0"))
            return State::Bad;
    }
    const qsizetype question = target.indexOf('?');
    m_request.method = parts.at(0);
    m_request.path = question < 0 ? target : target.first(question);
    m_request.query = question < 0 ? QByteArray() : target.sliced(question + 1);
    return State::Complete;
}

} // namespace Dovrel
