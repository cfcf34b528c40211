#pragma once

#include "core/contest_details.h"
#include "shell/colours.h"
#include "shell/screen.h"

#include <QColor>
#include <QList>
#include <QPair>

class QFont;
class QLabel;

namespace Dovrel {

// Where a value label of an information screen stands and which contest detail it shows.
struct DetailLabel
{
    const char *name = nullptr;
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    ContestDetail detail = ContestDetail::ContestName;
};

// What the four contest information screens share: a maximised read-only display in proportion to its design,
// its value labels filled once, at load, with the contest's details as they stand at that moment.
class InfoScreen : public Screen
{
    Q_OBJECT

public:
    void load() override;

protected:
    explicit InfoScreen(Application &app);

    // A label whose box follows its text on one line, growing to the right from its left edge.
    QLabel *makeSizedLabel(const QString &name, int left, int top, int width, int height, const QString &text,
                           const QFont &font, const QColor &colour = Colours::Black,
                           Qt::Alignment alignment = Qt::AlignLeft);
    // A value label sized to its text; until the load fills it, it shows its own name.
    void makeSizedCopy(const DetailLabel &copy, const QFont &font);
    // A value label that keeps its design box: its text wraps inside it and what does not fit below is cut off.
    void makeBoxCopy(const DetailLabel &copy, const QFont &font, const QColor &colour = Colours::Black);

private:
    QList<QPair<QLabel *, ContestDetail>> m_copies;
};

} // namespace Dovrel
