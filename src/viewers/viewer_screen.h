#pragma once

#include "shell/screen.h"

#include <QPointer>

#include <memory>

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QTimer;

namespace Dovrel {

class ViewerService;

// "手机观看": phones on the hall's network watch the clocks in their browsers. The switch turns the server on or
// off; the screen shows the address and its QR code, the viewers connected now, and puts the code on the hall's
// display for the hall to scan.
class ViewerScreen final : public Screen
{
    Q_OBJECT

public:
    static constexpr char ScreenName[] = "Form24";

    // What outlives the screen: the service, which keeps serving the phones while the screen is closed.
    struct Variables
    {
        std::shared_ptr<ViewerService> service;
    };

    explicit ViewerScreen(Application &app);
    ~ViewerScreen() override;
    void load() override;

protected:
    // Over the main menu, which stays visible: closing only unloads it.
    void closing() override;

private:
    void turn(bool on);
    void chooseAddress(int index);
    void showAddress();
    void showViewers(int viewers);
    void showOnHallDisplay();

    QCheckBox *Check1 = nullptr;     // on or off
    QComboBox *Combo1 = nullptr;     // the address, where there is a choice
    QLabel *Label3 = nullptr;        // the address in large type
    QLabel *Picture1 = nullptr;      // its QR code
    QLabel *Label4 = nullptr;        // the viewers connected now
    QLabel *Label5 = nullptr;        // what may be in the way
    QPushButton *Command1 = nullptr; // the code on the hall's display
    QTimer *Timer2 = nullptr;        // a while with no viewer
    // The page's address as the screen shows it, for the hall's display.
    QString m_page;
    QPointer<QWidget> m_hallCode;
};

} // namespace Dovrel
