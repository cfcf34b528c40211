// Renders screens of the program to PNG files, for looking at what the timekeeper sees:
//   screenshots OUTPUT_DIR [WIDTHxHEIGHT] [scaled]
// With "scaled", only the hall screens of the contest's title and teams, their text grown with the display. The
// program runs in a fresh copy of the default data, on a silent platform. Given more than one display (the
// headless platform's configfile), it renders only the hall's view of them: the main menu on the timekeeper's
// display and a clock on the projector, as two-displays.png.
#include "clocks/cross_examination_clock.h"
#include "clocks/dual_clock.h"
#include "clocks/single_side_clock.h"
#include "clocks/stage_handover.h"
#include "core/alert_sounds.h"
#include "menu/main_menu.h"
#include "menu/program.h"
#include "menu/splash_screen.h"
#include "settings/contest_details_page.h"
#include "settings/overtime_page.h"
#include "settings/sound_page.h"
#include "settings/stages_page.h"
#include "shell/qt_process.h"
#include "unattended.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTimer>

#include <functional>
#include <utility>

namespace {

// Real dialogs would block an unattended run; the rules import is given the sample rules file.
class SilentPlatform : public Dovrel::Unattended::Platform
{
public:
    QString rulesFile;
    std::optional<QString> openFileName(QWidget *, const Dovrel::FileDialogRequest &) override
    {
        return rulesFile;
    }
};

// The whole desktop of several displays, each window drawn where it stands.
void shootDesktop(const QList<QWidget *> &windows, const QString &file)
{
    QRect desktop;
    for (const QScreen *screen : QGuiApplication::screens())
        desktop |= screen->geometry();
    QImage image(desktop.size(), QImage::Format_RGB32);
    image.fill(QColor(40, 40, 40));
    QPainter painter(&image);
    painter.translate(-desktop.topLeft());
    for (const QScreen *screen : QGuiApplication::screens()) {
        painter.setPen(QPen(QColor(200, 200, 200), 4));
        painter.drawRect(screen->geometry().adjusted(2, 2, -2, -2));
    }
    for (QWidget *window : windows)
        painter.drawPixmap(window->geometry().topLeft(), window->grab());
    painter.end();
    image.save(file);
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
    Dovrel::Unattended::layOutStockFolders(dir.path());
    SilentPlatform platform;
    platform.rulesFile = dir.path() + QStringLiteral("/rules.txt");
    QFile rules(platform.rulesFile);
    if (rules.open(QIODevice::WriteOnly))
        rules.write(QStringLiteral("一、比赛流程\r\n1. 开篇陈词：正反双方一辩各发言三分钟。\r\n"
                                   "2. 攻辩：正反双方二辩、三辩轮流提问，每次一分半钟。\r\n"
                                   "3. 自由辩论：双方各四分钟，交替发言。\r\n4. 总结陈词：双方四辩各四分钟。\r\n\r\n"
                                   "二、评分\r\n评委根据论点、论据、辩驳与风度评分，总分高者获胜。\r\n")
                        .toUtf8());
    rules.close();
    Dovrel::Program app(dir.path(), platform);
    const bool scaled = args.value(3) == QLatin1String("scaled");
    app.setHallTextScaled(scaled);

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
    if (QGuiApplication::screens().size() > 1) {
        Dovrel::MainMenu *menu = screens.screen<Dovrel::MainMenu>();
        menu->show();
        menu->findChild<QAbstractButton *>(QStringLiteral("Command37"))->click();
        QWidget *clock = screens.loaded(QStringLiteral("Form17"));
        clock->findChild<QAbstractButton *>(QStringLiteral("Command3"))->click();
        for (int i = 0; i < 47; ++i)
            QMetaObject::invokeMethod(clock->findChild<QTimer *>(QStringLiteral("Timer1")), "timeout");
        menu->show(); // drawn too, where it stays while the clock runs on the projector
        QApplication::processEvents();
        shootDesktop({menu, clock}, out + QStringLiteral("/two-displays.png"));
        return 0;
    }
    if (scaled) {
        Dovrel::MainMenu *menu = screens.screen<Dovrel::MainMenu>();
        menu->show();
        for (const auto &[button, screen] : {std::pair{"Command6", "Form8"}, std::pair{"Command20", "Form13"}}) {
            menu->findChild<QAbstractButton *>(QLatin1String(button))->click();
            if (Dovrel::Screen *opened = screens.loaded(QLatin1String(screen))) {
                shoot(opened, QLatin1String(screen));
                opened->close();
            }
        }
        return 0;
    }
    shoot(screens.screen<Dovrel::SplashScreen>(), QStringLiteral("Form1"), false);
    shoot(screens.screen<Dovrel::MainMenu>(), QStringLiteral("Form4"));
    shoot(screens.screen<Dovrel::ContestDetailsPage>(), QStringLiteral("Form2"));
    shoot(screens.screen<Dovrel::StagesPage>(), QStringLiteral("Form3"));
    shoot(screens.screen<Dovrel::SoundPage>(), QStringLiteral("Form9"));
    shoot(screens.screen<Dovrel::OvertimePage>(), QStringLiteral("Form25"), false);

    app.contest().handOverLimit(QStringLiteral("122"));
    app.contest().handOverName(QStringLiteral("开篇陈词"));
    Dovrel::SingleSideClock *single = screens.screen<Dovrel::SingleSideClock>();
    single->findChild<QPushButton *>(QStringLiteral("Command2"))->click();
    shoot(single, QStringLiteral("Form17"));
    single->findChild<QPushButton *>(QStringLiteral("Command3"))->click();
    QMetaObject::invokeMethod(single->findChild<QTimer *>(QStringLiteral("Timer1")), "timeout");
    for (int i = 0; i < 200; ++i)
        QMetaObject::invokeMethod(single->findChild<QTimer *>(QStringLiteral("Timer1")), "timeout");
    shoot(single, QStringLiteral("Form17-timeup"));
    // The same stage counting its overtime, where the timekeeper chose it.
    app.setOvertimeRule({.countUp = true, .bellSeconds = 15});
    single->findChild<QPushButton *>(QStringLiteral("Command4"))->click();
    single->findChild<QPushButton *>(QStringLiteral("Command3"))->click();
    for (int i = 0; i < 122 + 12; ++i)
        QMetaObject::invokeMethod(single->findChild<QTimer *>(QStringLiteral("Timer1")), "timeout");
    shoot(single, QStringLiteral("Form17-overtime"));
    single->findChild<QPushButton *>(QStringLiteral("Command4"))->click();
    app.setOvertimeRule({});

    // The rest opens as the timekeeper opens it: from the main menu's buttons.
    Dovrel::MainMenu *menu = screens.screen<Dovrel::MainMenu>();
    menu->show();
    const auto open = [&](const char *button, const char *screen) -> Dovrel::Screen * {
        menu->findChild<QAbstractButton *>(QLatin1String(button))->click();
        return screens.loaded(QLatin1String(screen));
    };
    const auto openAndShoot = [&](const char *button, const char *screen, bool resize = true) {
        if (Dovrel::Screen *opened = open(button, screen)) {
            shoot(opened, QLatin1String(screen), resize);
            opened->close();
        }
    };
    openAndShoot("Command40", "Form6");
    openAndShoot("Command38", "Form18");
    openAndShoot("Command5", "Form7");
    openAndShoot("Command6", "Form8");
    openAndShoot("Command7", "Form14");
    openAndShoot("Command8", "Form15");
    openAndShoot("Command20", "Form13");
    openAndShoot("Command9", "Form10");
    openAndShoot("Command17", "Form20");
    if (Dovrel::Screen *entry = open("Command18", "Form16")) {
        shoot(entry, QStringLiteral("Form16"), false);
        const QStringList scores = {QStringLiteral("87.5"), QStringLiteral("87.5"), QStringLiteral("86"),
                                    QStringLiteral("86")};
        for (int box = 0; box < 4; ++box)
            entry->findChild<QLineEdit *>(QStringLiteral("Text%1").arg(box + 1))->setText(scores[box]);
        entry->findChild<QAbstractButton *>(QStringLiteral("Command1"))->click();
        if (Dovrel::Screen *result = screens.loaded(QStringLiteral("Form11"))) {
            for (const char *reveal : {"Command1", "Command2", "Command3"})
                result->findChild<QAbstractButton *>(QLatin1String(reveal))->click();
            shoot(result, QStringLiteral("Form11"));
            result->close();
        }
    }
    openAndShoot("Command19", "Form12", false);
    openAndShoot("Command1", "Form19", false);
    openAndShoot("Command36", "Form21", false);
    openAndShoot("Command47", "Form22", false);
    // A day's speaking-time record, an overtime among it.
    const QDate today = QDate::currentDate();
    const struct
    {
        QTime started;
        const char16_t *stage;
        const char16_t *side;
        int limit, spoken, overtime, pauses;
    } runs[] = {{QTime(14, 2, 10), u"开篇陈词", u"正方", 180, 176, 0, 0},
                {QTime(14, 5, 41), u"开篇陈词", u"反方", 180, 192, 12, 0},
                {QTime(14, 9, 3), u"攻辩", u"正方二辩选择反方三辩", 90, 90, 0, 1},
                {QTime(14, 26, 30), u"自由辩论", u"正方", 240, 233, 0, 2},
                {QTime(14, 26, 30), u"自由辩论", u"反方", 240, 251, 11, 2}};
    for (const auto &run : runs)
        app.speakingRecord().add({QDateTime(today, run.started), QString::fromUtf16(run.stage),
                                  QString::fromUtf16(run.side), run.limit, run.spoken, run.overtime, run.pauses});
    openAndShoot("Command48", "Form23", false);
    // Phones as viewers, turned on: the address, its QR code, and the code as the hall sees it.
    if (Dovrel::Screen *viewers = open("Command49", "Form24")) {
        viewers->findChild<QAbstractButton *>(QStringLiteral("Check1"))->click();
        shoot(viewers, QStringLiteral("Form24"), false);
        viewers->show();
        viewers->findChild<QAbstractButton *>(QStringLiteral("Command1"))->click();
        for (QWidget *window : QApplication::topLevelWidgets()) {
            if (window->objectName() == QLatin1String("HallCode") && window->isVisible()) {
                QApplication::processEvents();
                window->grab().save(out + QStringLiteral("/Form24-hall-code.png"));
                window->close();
            }
        }
        viewers->findChild<QAbstractButton *>(QStringLiteral("Check1"))->click();
        viewers->close();
    }

    // What the check and the stages page show when the hall would notice something: a time-up sound gone from its
    // folder and a limit typed as minutes and seconds.
    QFile::remove(dir.path() + QStringLiteral("/sound/TimeOut/") +
                  Dovrel::alertFileName(app.contest().alerts().timeUpChoice()));
    Dovrel::StagesPage *stages = screens.screen<Dovrel::StagesPage>();
    stages->findChild<QLineEdit *>(QStringLiteral("Text17"))->setText(QStringLiteral("1:30"));
    shoot(stages, QStringLiteral("Form3-unreadable-limit"));
    if (Dovrel::Screen *check = open("Command47", "Form22")) {
        shoot(check, QStringLiteral("Form22-faults"), false);
        check->close();
    }
    return 0;
}
