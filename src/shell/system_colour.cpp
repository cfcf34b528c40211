#include "shell/system_colour.h"

#include "shell/controls.h"

#include <QApplication>
#include <QPalette>

namespace Dovrel {

namespace {

// System colour indices in their traditional order, mapped to the nearest palette role.
QPalette::ColorRole roleForSystemIndex(int index)
{
    switch (index) {
    case 2:  // active caption
    case 13: // highlight
        return QPalette::Highlight;
    case 9:  // caption text
    case 14: // highlight text
        return QPalette::HighlightedText;
    case 5: // window
        return QPalette::Base;
    case 7:  // menu text
    case 8:  // window text
    case 19: // inactive caption text
        return QPalette::WindowText;
    case 17: // grey text
        return QPalette::PlaceholderText;
    case 18: // button text
        return QPalette::ButtonText;
    case 16: // button shadow
        return QPalette::Mid;
    case 20: // button highlight
    case 22: // 3D light
        return QPalette::Light;
    case 21: // 3D dark shadow
        return QPalette::Shadow;
    case 23: // tooltip text
        return QPalette::ToolTipText;
    case 24: // tooltip background
        return QPalette::ToolTipBase;
    default: // button face, menu, borders, desktop, workspace
        return QPalette::Window;
    }
}

} // namespace

QColor storedColour(qint32 value)
{
    if (value >= 0)
        return plainColour(static_cast<quint32>(value));
    const int index = static_cast<int>(static_cast<quint32>(value) & 0xFFu);
    return QApplication::palette().color(QPalette::Active, roleForSystemIndex(index));
}

} // namespace Dovrel
