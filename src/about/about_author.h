#pragma once

#include "shell/screen.h"

#include <QList>

class QLabel;
class QTimer;

namespace Dovrel {

// About the author: who makes the program and where its page is; it opens over the main menu.
class AboutAuthor final : public Screen
{
    Q_OBJECT

public:
    static constexpr char ScreenName[] = "Form19";

    explicit AboutAuthor(Application &app);
    void load() override;

private:
    QLabel *Label1 = nullptr; // heading
    QLabel *Label2 = nullptr; // name
    QLabel *Label3 = nullptr; // institution
    QLabel *Label4 = nullptr; // subject
    QLabel *Label5 = nullptr; // messaging number
    QLabel *Label6 = nullptr; // e-mail
    QLabel *Label7 = nullptr; // blog, a link
    QTimer *Timer1 = nullptr; // caption

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    // Turns `line` red and the other detail lines black; null turns them all black.
    void highlightLine(const QLabel *line);
    void openBlog();

    QList<QLabel *> m_lines;
};

} // namespace Dovrel
