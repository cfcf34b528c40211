#pragma once

#include <QColor>

// The colours of the designs, each named once, as (red, green, blue).
namespace Dovrel::Colours {

inline const QColor Black(0, 0, 0);
inline const QColor Red(255, 0, 0);
inline const QColor Blue(0, 0, 255);
inline const QColor Magenta(255, 0, 255);
inline const QColor Purple(128, 0, 128);
inline const QColor Navy(0, 0, 128);
// Headings of the information screens and the labels of the settings pages.
inline const QColor DeepBlue(0, 0, 192);
inline const QColor DarkTeal(0, 64, 64);
// The boxes that show a time of day or an elapsed time.
inline const QColor TimeBox(255, 128, 0);

// The clock screens, the rules and the report, the cross-examination stage button and the clock in the sound
// page's preview.
inline const QColor Clock(24, 148, 222);
// The main menu and the contest title screen.
inline const QColor Menu(94, 200, 109);
// The information and audience screens, and the configurable stages' boxes.
inline const QColor Display(156, 235, 243);
inline const QColor Result(68, 158, 232);
inline const QColor About(152, 218, 216);
inline const QColor RulesText(125, 230, 117);
// The stage buttons of the two stages with a clock for each side.
inline const QColor DualStage(222, 150, 171);

// The settings pages, their boxes, the sound page's preview and the red button back to the main menu.
inline const QColor SettingsPage(0, 255, 255);
inline const QColor SettingsBox(137, 241, 234);
inline const QColor Preview(162, 222, 244);
inline const QColor BackButton(251, 45, 28);

} // namespace Dovrel::Colours
