#pragma once

#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>

#include <optional>

class QLabel;
class QPushButton;
class QTimer;
class QObject;
class QWidget;

namespace Dovrel {

// The dynamic property that keeps a control's design geometry for the proportional layout.
inline constexpr char LayoutTagProperty[] = "Tag";

// Controls are the named widgets a screen creates itself; the proportional layout moves only those.
void markControl(QWidget *widget);
bool isControl(const QWidget *widget);

// Twips to pixels for a whole rectangle.
QRect twipsRect(int left, int top, int width, int height);

// Name of an element of a control array: "Option1_0".
QString arrayName(const QString &name, int index);

// A colour value red + 256 × green + 65536 × blue (0x00BBGGRR).
QColor plainColour(quint32 value);
quint32 colourValue(const QColor &colour);

template <class W> W *makeControl(QWidget *parent, const QString &name, int left, int top, int width, int height)
{
    W *control = new W(parent);
    control->setObjectName(name);
    control->setGeometry(twipsRect(left, top, width, height));
    markControl(control);
    return control;
}

// A label as the designs draw them: text from the top left, wrapped, transparent.
QLabel *makeLabel(QWidget *parent, const QString &name, int left, int top, int width, int height,
                  const QString &text = QString());

// A label sized to its text: its box follows the text on one line (or its own line breaks), growing to the right
// and down from its top left corner; the proportional layout moves it and sizes it to its text again.
void setSizedToText(QLabel *label);
bool isSizedToText(const QWidget *widget);
// Sets a label's text; a label sized to its text is fitted to it at once.
void setLabelText(QLabel *label, const QString &text);
void fitToText(QLabel *label);

// The face of a command button: the system's own, whatever colour the screen around it has, or the screen's colour.
enum class ButtonFace { System, Screen };

// A command button 375 twips high; without a font it takes the screen's.
QPushButton *makeButton(QWidget *parent, const QString &name, int left, int top, int width, const QString &caption,
                        ButtonFace face = ButtonFace::System, const std::optional<QFont> &font = std::nullopt);

QTimer *makeTimer(QObject *parent, const QString &name, int intervalMs, bool enabled);

QFont designFont(const QString &family, double points, bool bold = false);

// Text colour of a label, button, box or option.
void setTextColour(QWidget *widget, const QColor &colour);
QColor textColour(const QWidget *widget);

// Background colour; for labels and frames this also makes them opaque.
void setBackColour(QWidget *widget, const QColor &colour);
QColor backColour(const QWidget *widget);

} // namespace Dovrel
