#pragma once

#include <QObject>

#include <functional>

class QWidget;

namespace Dovrel::Bench {

// One line to the measuring parent, sent at once: the parent stops its clock when the line arrives.
void reportLine(const char *line);

// The peak resident set of this process so far (VmHWM), in kB.
long peakResidentKb();

// Watches every paint in the program and runs `then` once, from the event loop, after the first paint of a window
// that `matches` — that is, once the window's first frame has been drawn and flushed.
class FirstPaint : public QObject
{
public:
    FirstPaint(std::function<bool(QWidget *window)> matches, std::function<void()> then);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    std::function<bool(QWidget *)> m_matches;
    std::function<void()> m_then;
    bool m_seen = false;
};

} // namespace Dovrel::Bench
