#include "child_report.h"

#include <QEvent>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

namespace Dovrel::Bench {

void reportLine(const char *line)
{
    std::fputs(line, stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

long peakResidentKb()
{
    // Files under /proc report no size, so they are read line by line until the stream ends.
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.starts_with("VmHWM:"))
            return std::strtol(line.c_str() + 6, nullptr, 10);
    }
    return -1;
}

FirstPaint::FirstPaint(std::function<bool(QWidget *)> matches, std::function<void()> then)
    : m_matches(std::move(matches)), m_then(std::move(then))
{
}

bool FirstPaint::eventFilter(QObject *watched, QEvent *event)
{
    if (!m_seen && event->type() == QEvent::Paint && watched->isWidgetType()) {
        QWidget *window = static_cast<QWidget *>(watched)->window();
        if (m_matches(window)) {
            m_seen = true;
            // The filter runs before the paint; the queued call runs after it and the flush that follows.
            QTimer::singleShot(0, this, [this] { m_then(); });
        }
    }
    return QObject::eventFilter(watched, event);
}

} // namespace Dovrel::Bench
