// Renders screens of the program to PNG files, for looking at what the timekeeper sees:
//   screenshots OUTPUT_DIR [WIDTHxHEIGHT]
// The program runs in a fresh copy of the default data, on a silent platform.
#include "clocks/cross_examination_clock.h"
#include "clocks/dual_clock.h"
#include "clocks/single_side_clock.h"
#include "clocks/stage_handover.h"
#include "menu/main_menu.h"
#include "menu/splash_screen.h"
#include "platform/qt_platform.h"
#include "settings/contest_details_page.h"
#include "settings/sound_page.h"
#include "settings/stages_page.h"
#include "shell/application.h"

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

#include <functional>

namespace {

// Real dialogs would block an unattended run.
class SilentPlatform : public Dovrel::QtPlatform
{
public:
    int soundDeviceCount() override
    {
        return 1;
    }
    void playSound(const QString &) override
    {
    }
    Dovrel::MessageAnswer showMessage(QWidget *, const Dovrel::MessageRequest &) override
    {
        return Dovrel::MessageAnswer::Ok;
    }
};

void copyTree(const QString &from, const QString &to)
{
    QDir().mkpath(to);
    const QDir source(from);
    for (const QFileInfo &entry : source.entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot)) {
        if (entry.isDir())
            copyTree(entry.filePath(), to + QLatin1Char('/') + entry.fileName());
        else
            QFile::copy(entry.filePath(), to + QLatin1Char('/') + entry.fileName());
    }
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication qtApp(argc, argv);
    Dovrel::setUpQtApplication();
    const QStringList args = QApplication::arguments();
    const QString out = args.value(1, QStringLiteral("."));
    const QStringList size = args.value(2, QStringLiteral("792x566")).split(QLatin1Char('x'));
    const QSize windowSize(size.value(0).toInt(), size.value(1).toInt());
    QDir().mkpath(out);

    QTemporaryDir dir;
    for (const char *folder : {"config", "sound", "background"})
        copyTree(QStringLiteral(DOVREL_ASSETS_DIR "/") + QLatin1String(folder), dir.path() + QLatin1Char('/') + QLatin1String(folder));
    SilentPlatform platform;
    Dovrel::Application app(dir.path(), platform);

    const auto shoot = [&](QWidget *screen, const QString &name, bool resize = true) {
        screen->setWindowState(Qt::WindowNoState);
        screen->show();
        if (resize)
            screen->resize(windowSize);
        QApplication::processEvents();
        screen->grab().save(out + QLatin1Char('/') + name + QStringLiteral(".png"));
        screen->hide();
    };

    Dovrel::ScreenRegistry &screens = app.screens();
    shoot(screens.screen<Dovrel::Form1>(), QStringLiteral("Form1"), false);
    shoot(screens.screen<Dovrel::Form4>(), QStringLiteral("Form4"));
    shoot(screens.screen<Dovrel::Form2>(), QStringLiteral("Form2"));
    shoot(screens.screen<Dovrel::Form3>(), QStringLiteral("Form3"));
    shoot(screens.screen<Dovrel::Form9>(), QStringLiteral("Form9"));

    Dovrel::Form5 *handover = screens.screen<Dovrel::Form5>();
    handover->Text1->setText(QStringLiteral("122"));
    handover->Text2->setText(QStringLiteral("开篇陈词"));
    Dovrel::Form17 *single = screens.screen<Dovrel::Form17>();
    single->Command2->click();
    shoot(single, QStringLiteral("Form17"));
    single->Command3->click();
    QMetaObject::invokeMethod(single->Timer1, "timeout");
    for (int i = 0; i < 200; ++i)
        QMetaObject::invokeMethod(single->Timer1, "timeout");
    shoot(single, QStringLiteral("Form17-timeup"));

    Dovrel::Form4 *menu = screens.screen<Dovrel::Form4>();
    menu->Command40->click();
    Dovrel::Form6 *dual = screens.screen<Dovrel::Form6>();
    shoot(dual, QStringLiteral("Form6"));
    menu->Command38->click();
    Dovrel::Form18 *cross = screens.screen<Dovrel::Form18>();
    shoot(cross, QStringLiteral("Form18"));
    return 0;
}
