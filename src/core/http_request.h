#pragma once

#include <QByteArray>
#include <QByteArrayView>

namespace Dovrel {

// The head of an HTTP request as a viewer sends it: its method and target, the target split at its query.
struct HttpRequest
{
    QByteArray method;
    QByteArray path;
    QByteArray query;
};

// Reads the head of one HTTP/1.x request as its bytes arrive, trusting none of them: the request line and headers
// must fit in `HeadLimit` bytes, every part must have its form, and a request may carry no body (the viewers' server
// takes only GET). Once it is complete or wrong, later bytes change nothing.
class HttpRequestReader final
{
public:
    static constexpr qsizetype HeadLimit = 8192;
    enum class State { Incomplete, Complete, Bad };

    State feed(QByteArrayView bytes);
    State state() const;
    // The request, once complete.
    const HttpRequest &request() const;

private:
    State parse();

    QByteArray m_head;
    State m_state = State::Incomplete;
    HttpRequest m_request;
};

} // namespace Dovrel
