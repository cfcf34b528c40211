#include "clocks/stage_handover.h"
#include "core/program_identity.h"
#include "menu/main_menu.h"
#include "menu/splash_screen.h"
#include "platform/qt_platform.h"
#include "shell/colours.h"
#include "shell/controls.h"
#include "shell/life_cycle.h"
#include "shell/proportional_layout.h"
#include "shell/shared_palette_style.h"
#include "shell/system_colour.h"
#include "support/screens.h"
#include "support/test_app.h"
#include "support/widgets.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QSignalSpy>
#include <QStyleOption>
#include <QTest>
#include <QTimer>

using namespace Dovrel;
using namespace Dovrel::Testing;

namespace Dovrel {

// A content screen as the later screens are built: layout, animated caption, standard close.
class FormTest : public Screen
{
    Q_OBJECT

public:
    static constexpr char ScreenName[] = "FormTest";

    struct Variables
    {
        int opened = 0;
    };

    explicit FormTest(Application &app) : Screen(app)
    {
        setDesignClientSize(DesignWidth, DesignHeight);
        setProportionalLayout(true);
        Label1 = makeLabel(this, QStringLiteral("Label1"), 1185, 1920, 1725, 840, QStringLiteral("正方"));
        Timer1 = makeTimer(this, QStringLiteral("Timer1"), 500, true);
        connect(Timer1, &QTimer::timeout, this, [this] { animateCaption(this); });
    }
    void load() override
    {
        recordLayout(this);
        setWindowTitle(applicationTitle());
        ++app().screens().variables<FormTest>().opened;
        Label1->setText(QStringLiteral("loaded"));
    }

    QLabel *Label1 = nullptr;
    QTimer *Timer1 = nullptr;
};

// A screen that never recorded its layout.
class FormUnrecorded : public Screen
{
    Q_OBJECT

public:
    static constexpr char ScreenName[] = "FormUnrecorded";

    explicit FormUnrecorded(Application &app) : Screen(app)
    {
        setDesignClientSize(DesignWidth, DesignHeight);
        setProportionalLayout(true);
        Label1 = makeLabel(this, QStringLiteral("Label1"), 1500, 1500, 1500, 1500);
    }
    QLabel *Label1 = nullptr;
};

// Records the palette of every button drawn.
class ButtonPalettes : public QProxyStyle
{
public:
    mutable QSet<qint64> keys;
    void drawControl(ControlElement element, const QStyleOption *option, QPainter *painter,
                     const QWidget *widget) const override
    {
        if (qstyleoption_cast<const QStyleOptionButton *>(option))
            keys.insert(option->palette.cacheKey());
        QProxyStyle::drawControl(element, option, painter, widget);
    }
};

} // namespace Dovrel

class TestScreenFramework : public QObject
{
    Q_OBJECT

private slots:
    void storedColourValuesAndSystemColours()
    {
        QCOMPARE(storedColour(255), QColor(255, 0, 0));
        QCOMPARE(storedColour(0x00C00000), QColor(0, 0, 192));
        QCOMPARE(storedColour(0x00FFFF00), QColor(0, 255, 255));
        const QPalette palette = QApplication::palette();
        // Window text (index 8), button face (15) and highlight (13) as the palette gives them.
        QCOMPARE(storedColour(qint32(0x80000008)), palette.color(QPalette::Active, QPalette::WindowText));
        QCOMPARE(storedColour(qint32(0x8000000F)), palette.color(QPalette::Active, QPalette::Window));
        QCOMPARE(storedColour(qint32(0x8000000D)), palette.color(QPalette::Active, QPalette::Highlight));
        QCOMPARE(colourValue(plainColour(0x00DE9418)), 0x00DE9418u);
    }

    void dialogFiltersBecomeQtNameFiltersMatchingEitherCase()
    {
        QCOMPARE(qtNameFilters(QStringLiteral("JPG文件(.JPG)|*.JPG")),
                 QStringList{QStringLiteral("JPG文件(.JPG) (*.JPG *.jpg)")});
        QCOMPARE(qtNameFilters(QStringLiteral("位图文件(*.bmp)|*.bmp|JPG文件(*.jpg)|*.jpg|")),
                 (QStringList{QStringLiteral("位图文件(*.bmp) (*.bmp *.BMP)"),
                              QStringLiteral("JPG文件(*.jpg) (*.jpg *.JPG)")}));
        QCOMPARE(qtNameFilters(QStringLiteral("全部文件(*.*)|*.*|文本文件(*.TXT)|*.TXT|")).size(), 2);
        QVERIFY(qtNameFilters(QString()).isEmpty());
    }

    void registryLoadsUnseenOnceAndAfreshAfterUnload()
    {
        TestApp t;
        ScreenRegistry &screens = t.app().screens();
        QVERIFY(!screens.isLoaded(QStringLiteral("FormTest")));
        FormTest *first = screens.screen<FormTest>();
        QCOMPARE(first->objectName(), QStringLiteral("FormTest"));
        QVERIFY(!first->isVisible());
        QCOMPARE(child<QLabel>(first, QStringLiteral("Label1"))->text(), QStringLiteral("loaded"));
        QCOMPARE(screens.screen<FormTest>(), first);
        QCOMPARE(screens.loadCount(QStringLiteral("FormTest")), 1);

        child<QLabel>(first, QStringLiteral("Label1"))->setText(QStringLiteral("edited"));
        screens.unload(first);
        QVERIFY(!screens.isLoaded(QStringLiteral("FormTest")));
        flushDeletes();
        FormTest *second = screens.screen<FormTest>();
        QCOMPARE(screens.loadCount(QStringLiteral("FormTest")), 2);
        QCOMPARE(child<QLabel>(second, QStringLiteral("Label1"))->text(), QStringLiteral("loaded"));
        // Screen-level variables outlive the unload.
        QCOMPARE(screens.variables<FormTest>().opened, 2);
    }

    void aScreenOpenedAgainDrawsItsButtonsWithTheSamePalette()
    {
        auto *recorder = new ButtonPalettes;
        SharedPaletteStyle style(recorder);
        QImage image(200, 50, QImage::Format_ARGB32_Premultiplied);
        QSet<qint64> own;
        for (int opening = 0; opening < 2; ++opening) {
            QWidget screen;
            setBackColour(&screen, Colours::TimeBox);
            QPushButton *button = makeButton(&screen, QStringLiteral("Command1"), 0, 0, 1500, QStringLiteral("确定"));
            button->setStyle(&style);
            own.insert(button->palette().cacheKey());
            QPainter painter(&image);
            button->render(&painter);
        }
        QCOMPARE(own.size(), 2);
        QCOMPARE(recorder->keys.size(), 1);
        // Other colours are another palette; the colour group is the one asked for.
        QPalette other = QApplication::palette();
        other.setColor(QPalette::Button, Colours::Navy);
        other.setCurrentColorGroup(QPalette::Inactive);
        const QPalette shared = sharedPalette(other);
        QCOMPARE(shared.currentColorGroup(), QPalette::Inactive);
        QVERIFY(!recorder->keys.contains(shared.cacheKey()));
    }

    void everyControlIsFoundByName()
    {
        TestApp t;
        MainMenu *menu = t.screen<MainMenu>();
        for (const char *name : {"Image1", "Label1", "Label2", "Label3", "Label4", "Timer1"})
            QVERIFY2(child<QObject>(menu, QLatin1String(name)), name);
        StageHandover *handover = t.screen<StageHandover>();
        QCOMPARE(handover->objectName(), QStringLiteral("Form5"));
        QCOMPARE(child<QLabel>(handover, QStringLiteral("Label1"))->text(), QStringLiteral("数据传递"));
        QVERIFY(child<QLineEdit>(handover, QStringLiteral("Text1")));
        QVERIFY(child<QLineEdit>(handover, QStringLiteral("Text2")));
        QVERIFY(!handover->isVisible());
    }

    void splashFadesInRestsAndOpensTheMenuOnlyAfterFadingOut()
    {
        TestApp t;
        const SplashStart start(t);
        SplashScreen *splash = t.screen<SplashScreen>();
        QVERIFY(splash->isVisible());
        QVERIFY(splash->windowFlags() & Qt::FramelessWindowHint);
        QCOMPARE(splash->size(), QSize(539, 227));
        QCOMPARE(windowAlpha(splash), 0);
        QVERIFY(child<QTimer>(splash, QStringLiteral("Timer1"))->isActive());
        QCOMPARE(child<QTimer>(splash, QStringLiteral("Timer1"))->interval(), 10);

        tick(child<QTimer>(splash, QStringLiteral("Timer1")), 127);
        QCOMPARE(windowAlpha(splash), 254);
        tick(child<QTimer>(splash, QStringLiteral("Timer1")));
        QCOMPARE(windowAlpha(splash), 255);
        QVERIFY(!child<QTimer>(splash, QStringLiteral("Timer1"))->isActive());
        QVERIFY(!t.app().screens().isLoaded(QStringLiteral("Form4")));

        QTest::mouseClick(splash, Qt::LeftButton);
        QVERIFY(splash->isVisible());
        QVERIFY(child<QTimer>(splash, QStringLiteral("Timer1"))->isActive());
        tick(child<QTimer>(splash, QStringLiteral("Timer1")));
        QCOMPARE(windowAlpha(splash), 253);
        tick(child<QTimer>(splash, QStringLiteral("Timer1")), 126);
        QCOMPARE(windowAlpha(splash), 1);
        QVERIFY(!t.app().screens().isLoaded(QStringLiteral("Form4")));
        tick(child<QTimer>(splash, QStringLiteral("Timer1")));
        QVERIFY(t.app().screens().isLoaded(QStringLiteral("Form4")));
        QVERIFY(t.screen<MainMenu>()->isVisible());
        QVERIFY(!t.app().screens().isLoaded(QStringLiteral("Form1")));
    }

    void clickDuringFadeInFadesOutFromThere()
    {
        TestApp t;
        const SplashStart start(t);
        SplashScreen *splash = t.screen<SplashScreen>();
        tick(child<QTimer>(splash, QStringLiteral("Timer1")), 50);
        QCOMPARE(windowAlpha(splash), 100);
        splash->close();
        tick(child<QTimer>(splash, QStringLiteral("Timer1")));
        QCOMPARE(windowAlpha(splash), 98);
        tick(child<QTimer>(splash, QStringLiteral("Timer1")), 47);
        QCOMPARE(windowAlpha(splash), 4);
        // More clicks neither restart nor speed the fade-out.
        QTest::mouseClick(splash, Qt::LeftButton);
        splash->close();
        tick(child<QTimer>(splash, QStringLiteral("Timer1")));
        QCOMPARE(windowAlpha(splash), 2);
        QVERIFY(!t.app().screens().isLoaded(QStringLiteral("Form4")));
        tick(child<QTimer>(splash, QStringLiteral("Timer1")));
        QVERIFY(t.screen<MainMenu>()->isVisible());
    }

    void captionIsTypedOutEveryHalfSecond()
    {
        TestApp t;
        FormTest *screen = t.screen<FormTest>();
        QCOMPARE(screen->windowTitle(), QStringLiteral("Dovrel"));
        QCOMPARE(child<QTimer>(screen, QStringLiteral("Timer1"))->interval(), 500);
        tick(child<QTimer>(screen, QStringLiteral("Timer1")));
        QCOMPARE(screen->windowTitle(), QString());
        tick(child<QTimer>(screen, QStringLiteral("Timer1")));
        QCOMPARE(screen->windowTitle(), QStringLiteral("D"));
        tick(child<QTimer>(screen, QStringLiteral("Timer1")), 5);
        QCOMPARE(screen->windowTitle(), QStringLiteral("Dovrel"));
    }

    void closingAScreenReturnsToTheMenuAndClosingTheMenuEnds()
    {
        TestApp t;
        QSignalSpy exit(&t.app(), &Application::exitRequested);
        FormTest *screen = openScreen<FormTest>(t);
        closeToMenu(t, screen);
        QCOMPARE(exit.count(), 0);

        t.screen<FormTest>()->show();
        t.screen<MainMenu>()->close();
        QCOMPARE(exit.count(), 1);
        QVERIFY(t.app().exiting());
        QVERIFY(t.app().screens().loadedNames().isEmpty());
    }

    void layoutRecordsTagsAndScalesFromThem()
    {
        TestApp t;
        FormTest *screen = openScreen<FormTest>(t);
        QCOMPARE(child<QLabel>(screen, QStringLiteral("Label1"))->property("Tag").toString(),
                 QStringLiteral("1185   1920   1725   840   "));
        QVERIFY(!child<QTimer>(screen, QStringLiteral("Timer1"))->property("Tag").isValid());
        QCOMPARE(t.app().layoutBase().scaleWidth, 11880);
        QCOMPARE(t.app().layoutBase().scaleHeight, 8490);

        screen->resize(1584, 566 * 3);
        QCOMPARE(child<QLabel>(screen, QStringLiteral("Label1"))->geometry(), QRect(158, 384, 230, 168));
        screen->resize(1000, 700);
        screen->resize(792, 566);
        QCOMPARE(child<QLabel>(screen, QStringLiteral("Label1"))->geometry(), QRect(79, 128, 115, 56));
        // Moves made after recording are lost at the next re-layout.
        child<QLabel>(screen, QStringLiteral("Label1"))->move(0, 0);
        screen->resize(792, 566 + 1);
        screen->resize(792, 566);
        QCOMPARE(child<QLabel>(screen, QStringLiteral("Label1"))->geometry(), QRect(79, 128, 115, 56));
    }

    void layoutBeforeAnyRecordingChangesNothing()
    {
        TestApp t;
        FormUnrecorded *screen = openScreen<FormUnrecorded>(t);
        screen->resize(1200, 900);
        QCOMPARE(child<QLabel>(screen, QStringLiteral("Label1"))->geometry(), QRect(100, 100, 100, 100));
    }

    void menuPictureCoversTheWholeWindowAfterEveryResize()
    {
        TestApp t;
        MainMenu *menu = openScreen<MainMenu>(t);
        QCOMPARE(menu->windowTitle(), QStringLiteral("Dovrel"));
        QCOMPARE(menu->size(), QSize(792, 566));
        QVERIFY(!child<QLabel>(menu, QStringLiteral("Image1"))->pixmap().isNull());
        for (const QSize &size : {QSize(1280, 1000), QSize(400, 300), QSize(792, 566)}) {
            menu->resize(size);
            QCOMPARE(child<QLabel>(menu, QStringLiteral("Image1"))->geometry().topLeft(), QPoint(0, 0));
            QVERIFY(child<QLabel>(menu, QStringLiteral("Image1"))->width() >= menu->width());
            QVERIFY(child<QLabel>(menu, QStringLiteral("Image1"))->height() >= menu->height());
        }
        QCOMPARE(child<QLabel>(menu, QStringLiteral("Label1"))->geometry(), twipsRect(3960, 240, 4455, 495));
    }
};

QTEST_MAIN(TestScreenFramework)
#include "test_screen_framework.moc"
