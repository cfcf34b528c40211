#pragma once

#include "core/splash_fade.h"
#include "shell/screen.h"

#include <QPixmap>

class QTimer;

namespace Dovrel {

// The start-up screen: fades in, rests until clicked, fades out and opens the main menu.
class SplashScreen final : public Screen
{
    Q_OBJECT

public:
    static constexpr char ScreenName[] = "Form1";

    struct Variables
    {
        SplashFade fade;
    };

    explicit SplashScreen(Application &app);
    void load() override;

private:
    QTimer *Timer1 = nullptr;

protected:
    bool closeRequested() override;
    void closing() override;
    void mousePressEvent(QMouseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private slots:
    void fadeTick();

private:
    SplashFade &fade() const;

    QPixmap m_picture;
};

} // namespace Dovrel
