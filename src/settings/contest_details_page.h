#pragma once

#include "core/contest_details.h"
#include "settings/settings_page.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QTimer;

namespace Dovrel {

// The contest details page, the first of the settings wizard. Its 23 boxes are the live contest details every
// display, the result and the report read, saved or not, while the page stays loaded.
class ContestDetailsPage final : public SettingsPage
{
    Q_OBJECT

public:
    static constexpr char ScreenName[] = "Form2";

    explicit ContestDetailsPage(Application &app);

    // The contest detail as its box holds it now.
    QString detail(ContestDetail which) const;

protected:
    // Text1 … Text23, the order of the lines of NumSet.ini.
    QList<QLineEdit *> fileBoxes() const override;

private:
    QLabel *Picture1 = nullptr;
    QLabel *Label27 = nullptr;
    QLabel *Label1 = nullptr;
    QLabel *Label3 = nullptr;
    QLabel *Label4 = nullptr;
    QLabel *Label6 = nullptr;
    QLabel *Label7 = nullptr;
    QLabel *Label9 = nullptr;
    QLabel *Label14 = nullptr;
    QLabel *Label10 = nullptr;
    QLabel *Label11 = nullptr;
    QLabel *Label12 = nullptr;
    QLabel *Label13 = nullptr;
    QLabel *Label15 = nullptr;
    QLabel *Label16 = nullptr;
    QLabel *Label18 = nullptr;
    QLabel *Label19 = nullptr;
    QLabel *Label17 = nullptr;
    QLabel *Label20 = nullptr;
    QLabel *Label21 = nullptr;
    QLabel *Label22 = nullptr;
    QLabel *Label23 = nullptr;
    QLabel *Label24 = nullptr;
    QLabel *Label25 = nullptr;
    QLabel *Label26 = nullptr;
    QLabel *Label2 = nullptr;
    QLabel *Label5 = nullptr;
    QLineEdit *Text1 = nullptr;
    QLineEdit *Text2 = nullptr;
    QLineEdit *Text3 = nullptr;
    QLineEdit *Text4 = nullptr;
    QLineEdit *Text5 = nullptr;
    QLineEdit *Text6 = nullptr;
    QLineEdit *Text7 = nullptr;
    QLineEdit *Text8 = nullptr;
    QLineEdit *Text9 = nullptr;
    QLineEdit *Text10 = nullptr;
    QLineEdit *Text11 = nullptr;
    QLineEdit *Text12 = nullptr;
    QLineEdit *Text13 = nullptr;
    QLineEdit *Text14 = nullptr;
    QLineEdit *Text15 = nullptr;
    QLineEdit *Text16 = nullptr;
    QLineEdit *Text17 = nullptr;
    QLineEdit *Text18 = nullptr;
    QLineEdit *Text19 = nullptr;
    QLineEdit *Text20 = nullptr;
    QLineEdit *Text21 = nullptr;
    QLineEdit *Text22 = nullptr;
    QLineEdit *Text23 = nullptr;
    QPushButton *Command4 = nullptr;
    QPushButton *Command3 = nullptr;
    QPushButton *Command1 = nullptr;
    QPushButton *Command2 = nullptr;
    QTimer *Timer1 = nullptr;
};

} // namespace Dovrel
