#include "displays/info_screen.h"

#include "shell/application.h"
#include "shell/colours.h"
#include "shell/controls.h"

#include <QLabel>
#include <QPainter>
#include <QTextOption>

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

InfoScreen::InfoScreen(Application &app) : Screen(app)
{
    setUpFullSize(Colours::Display, designFont(QStringLiteral("宋体"), 9), Shown::HallScreen);
    makeCaptionTimer(QStringLiteral("Timer1"));
}

void InfoScreen::load()
{
    recordDesign();
    // The details as they are now, saved or not.
    const ContestDetails details = app().contest().details();
    for (const auto &[label, detail] : std::as_const(m_copies))
        setLabelText(label, details[detail]);
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

void InfoScreen::makeSizedCopy(const DetailLabel &copy, const QFont &font)
{
    const QString name = QLatin1String(copy.name);
    m_copies.append({makeSizedLabel(name, copy.left, copy.top, copy.width, copy.height, name, font), copy.detail});
}

void InfoScreen::makeBoxCopy(const DetailLabel &copy, const QFont &font, const QColor &colour)
{
    const QString name = QLatin1String(copy.name);
    auto *label = makeControl<BoxLabel>(this, name, copy.left, copy.top, copy.width, copy.height);
    label->setTextFormat(Qt::PlainText);
    label->setText(name);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setFont(font);
    setTextColour(label, colour);
    m_copies.append({label, copy.detail});
}

} // namespace Dovrel
