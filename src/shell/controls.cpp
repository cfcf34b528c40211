#include "shell/controls.h"

#include "core/layout_tag.h"
#include "shell/single_line.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTextEdit>
#include <QTimer>

namespace Dovrel {

namespace {
constexpr char ControlProperty[] = "dovrelControl";
constexpr char SizedToTextProperty[] = "dovrelSizedToText";
} // namespace

void markControl(QWidget *widget)
{
    widget->setProperty(ControlProperty, true);
    if (auto *box = qobject_cast<QLineEdit *>(widget))
        keepOnOneLine(box);
}

bool isControl(const QWidget *widget)
{
    return widget->property(ControlProperty).toBool();
}

QRect twipsRect(int left, int top, int width, int height)
{
    return QRect(twipsToPixels(left), twipsToPixels(top), twipsToPixels(width), twipsToPixels(height));
}

QString arrayName(const QString &name, int index)
{
    return name + QLatin1Char('_') + QString::number(index);
}

QColor plainColour(quint32 value)
{
    return QColor(int(value & 0xFF), int((value >> 8) & 0xFF), int((value >> 16) & 0xFF));
}

quint32 colourValue(const QColor &colour)
{
    return quint32(colour.red()) | (quint32(colour.green()) << 8) | (quint32(colour.blue()) << 16);
}

QLabel *makeLabel(QWidget *parent, const QString &name, int left, int top, int width, int height, const QString &text)
{
    QLabel *label = makeControl<QLabel>(parent, name, left, top, width, height);
    label->setText(text);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

void setSizedToText(QLabel *label)
{
    label->setProperty(SizedToTextProperty, true);
    label->setWordWrap(false);
    fitToText(label);
}

bool isSizedToText(const QWidget *widget)
{
    return widget->property(SizedToTextProperty).toBool();
}

void setLabelText(QLabel *label, const QString &text)
{
    label->setText(text);
    if (isSizedToText(label))
        fitToText(label);
}

void fitToText(QLabel *label)
{
    label->resize(label->sizeHint());
}

QPushButton *makeButton(QWidget *parent, const QString &name, int left, int top, int width, const QString &caption,
                        ButtonFace face, const std::optional<QFont> &font)
{
    QPushButton *button = makeControl<QPushButton>(parent, name, left, top, width, 375);
    button->setText(caption);
    if (font)
        button->setFont(*font);
    if (face == ButtonFace::System) {
        // A screen's background colour would otherwise tint the buttons it holds.
        setBackColour(button, QApplication::palette().color(QPalette::Button));
        button->setAutoFillBackground(false);
    }
    return button;
}

QTimer *makeTimer(QObject *parent, const QString &name, int intervalMs, bool enabled)
{
    QTimer *timer = new QTimer(parent);
    timer->setObjectName(name);
    timer->setInterval(intervalMs);
    timer->setTimerType(intervalMs >= 1000 ? Qt::PreciseTimer : Qt::CoarseTimer);
    if (enabled)
        timer->start();
    return timer;
}

QFont designFont(const QString &family, double points, bool bold)
{
    QFont font(family);
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

void setTextColour(QWidget *widget, const QColor &colour)
{
    QPalette palette = widget->palette();
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        palette.setColor(group, QPalette::WindowText, colour);
        palette.setColor(group, QPalette::ButtonText, colour);
        palette.setColor(group, QPalette::Text, colour);
    }
    widget->setPalette(palette);
}

QColor textColour(const QWidget *widget)
{
    if (qobject_cast<const QAbstractButton *>(widget) && !qobject_cast<const QLabel *>(widget))
        return widget->palette().color(QPalette::ButtonText);
    if (qobject_cast<const QLineEdit *>(widget) || qobject_cast<const QTextEdit *>(widget))
        return widget->palette().color(QPalette::Text);
    return widget->palette().color(QPalette::WindowText);
}

void setBackColour(QWidget *widget, const QColor &colour)
{
    QPalette palette = widget->palette();
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        palette.setColor(group, QPalette::Window, colour);
        palette.setColor(group, QPalette::Button, colour);
        palette.setColor(group, QPalette::Base, colour);
    }
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

QColor backColour(const QWidget *widget)
{
    if (qobject_cast<const QLineEdit *>(widget) || qobject_cast<const QTextEdit *>(widget))
        return widget->palette().color(QPalette::Base);
    if (qobject_cast<const QAbstractButton *>(widget))
        return widget->palette().color(QPalette::Button);
    return widget->palette().color(QPalette::Window);
}

} // namespace Dovrel
