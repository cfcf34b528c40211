#include "displays/info_screen.h"

#include "settings/contest_details_page.h"
#include "shell/application.h"
#include "shell/colours.h"
#include "shell/controls.h"

#include <QLabel>
#include <QPainter>
#include <QTextOption>
#include <QTimer>

#include <utility>

namespace Dovrel {

namespace {

// A plain label wraps only at word boundaries, so a long run without blanks (a team's romanised name, a web
// address in a motion) would leave its box at the right; this one breaks such a run wherever it must.
class BoxLabel final : public QLabel
{
public:
    using QLabel::QLabel;

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.setPen(palette().color(foregroundRole()));
        QTextOption option(alignment());
        option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
        painter.drawText(QRectF(contentsRect()), text(), option);
    }
};

} // namespace

InfoScreen::InfoScreen(Application &app, QList<InfoCopy> copies) : Screen(app), m_copies(std::move(copies))
{
    setUpFullSize(Colours::Display, designFont(QStringLiteral("宋体"), 9), Shown::Maximised);
    Timer1 = makeCaptionTimer(QStringLiteral("Timer1"));
}

void InfoScreen::load()
{
    recordDesign();
    // The page's boxes as they are now, saved or not; reading them loads the page unseen if need be.
    const ContestDetailsPage *details = app().screens().screen<ContestDetailsPage>();
    for (const InfoCopy &copy : std::as_const(m_copies)) {
        if (auto *label = findChild<QLabel *>(copy.label, Qt::FindDirectChildrenOnly))
            setLabelText(label, details->detail(copy.detail));
    }
}

QLabel *InfoScreen::makeSizedLabel(const QString &name, int left, int top, int width, int height, const QString &text,
                                   const QFont &font, const QColor &colour, Qt::Alignment alignment)
{
    QLabel *label = makeLabel(this, name, left, top, width, height, text);
    label->setFont(font);
    setTextColour(label, colour);
    label->setAlignment(alignment | Qt::AlignTop);
    setSizedToText(label);
    return label;
}

QLabel *InfoScreen::makeBoxLabel(const QString &name, int left, int top, int width, int height, const QFont &font,
                                 const QColor &colour)
{
    // Until the load fills it, a value label shows its own name.
    auto *label = makeControl<BoxLabel>(this, name, left, top, width, height);
    label->setTextFormat(Qt::PlainText);
    label->setText(name);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setFont(font);
    setTextColour(label, colour);
    return label;
}

} // namespace Dovrel
