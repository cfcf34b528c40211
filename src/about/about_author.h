#pragma once

#include "shell/screen.h"

#include <QList>

class QLabel;

namespace Dovrel {

// About the author: who makes the program and where its page is; it opens over the main menu.
class AboutAuthor final : public Screen
{
    Q_OBJECT

public:
    static constexpr char ScreenName[] = "Form19";

    explicit AboutAuthor(Application &app);
    void load() override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    // Turns `line` red and the other detail lines black; null turns them all black.
    void highlightLine(const QLabel *line);
    void openBlog();

    // Name, institution, subject, messaging number, e-mail and the blog, a link.
    QList<QLabel *> m_lines;
    QLabel *m_blog = nullptr;
};

} // namespace Dovrel
