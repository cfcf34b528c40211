#pragma once

#include "core/info_copies.h"
#include "shell/colours.h"
#include "shell/screen.h"

#include <QColor>

class QFont;
class QLabel;
class QTimer;

namespace Dovrel {

// What the four contest information screens share: a maximised read-only display in proportion to its design,
// its value labels filled once, at load, from the contest details page as it stands at that moment.
class InfoScreen : public Screen
{
    Q_OBJECT

public:
    void load() override;

private:
    QTimer *Timer1 = nullptr; // caption

protected:
    InfoScreen(Application &app, QList<InfoCopy> copies);

    // A label whose box follows its text on one line, growing to the right from its left edge.
    QLabel *makeSizedLabel(const QString &name, int left, int top, int width, int height, const QString &text,
                           const QFont &font, const QColor &colour = Colours::Black,
                           Qt::Alignment alignment = Qt::AlignLeft);
    // A label that keeps its design box: its text wraps inside it and what does not fit below is cut off.
    QLabel *makeBoxLabel(const QString &name, int left, int top, int width, int height, const QFont &font,
                         const QColor &colour = Colours::Black);

private:
    QList<InfoCopy> m_copies;
};

} // namespace Dovrel
