#include "core/elapsed_time.h"
#include "displays/audience_screen.h"
#include "displays/styling.h"
#include "settings/system_colour.h"
#include "shell/controls.h"
#include "support/files.h"
#include "support/screens.h"
#include "support/test_app.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QTest>
#include <QTimer>

using namespace Dovrel;
using namespace Dovrel::Testing;

namespace {

// What a first close writes: the heading's design font and red, the design light blue (156, 235, 243).
const QStringList DesignLines = {QStringLiteral("华文行楷"), QStringLiteral("72"), QStringLiteral("255"),
                                 QStringLiteral("15985564")};

} // namespace

class TestAudienceScreen : public QObject
{
    Q_OBJECT

private slots:
    void elapsedText_data()
    {
        QTest::addColumn<int>("seconds");
        QTest::addColumn<QString>("text");
        QTest::newRow("five") << 5 << QStringLiteral("0分5秒");
        QTest::newRow("a minute") << 60 << QStringLiteral("1分0秒");
        QTest::newRow("unpadded") << 601 << QStringLiteral("10分1秒");
    }

    void elapsedText()
    {
        QFETCH(int, seconds);
        QFETCH(QString, text);
        QCOMPARE(formatElapsed(seconds), text);
    }

    void elapsedCountOutlivesUnloadsAndStopsAtItsLimit()
    {
        TestApp t;
        Form20 *screen = openScreen<Form20>(t);
        QCOMPARE(screen->Label2->text(), QString());
        tick(screen->Timer2);
        QCOMPARE(screen->Label2->text(), QStringLiteral("0分1秒"));
        tick(screen->Timer2, 149);
        QCOMPARE(screen->Label2->text(), QStringLiteral("2分30秒"));
        closeScreen(screen);

        Form20 *again = openScreen<Form20>(t);
        QVERIFY(again->Timer2->isActive());
        QCOMPARE(again->Label2->text(), QString());
        tick(again->Timer2);
        QCOMPARE(again->Label2->text(), QStringLiteral("2分31秒"));

        t.app().screens().variables<Form20>().elapsedSeconds = ElapsedLimit - 1;
        tick(again->Timer2, 3);
        QCOMPARE(again->elapsedSeconds(), int(ElapsedLimit));
        QCOMPARE(again->Label2->text(), QStringLiteral("546分7秒"));
    }

    void stylingFileRoundTrip_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QByteArray>("written");
        const QByteArray assets = assetBytes(ViwerSet);
        const QByteArray fraction = gbBytes({QStringLiteral("隶书"), QStringLiteral("10.5"),
                                             QStringLiteral("-2147483640"), QStringLiteral("-2147483643")});
        QTest::newRow("installed file") << assets << assets;
        QTest::newRow("fraction and system colours") << fraction << fraction;
        QTest::newRow("missing file") << QByteArray() << gbBytes(DesignLines);
        QTest::newRow("empty name, junk size, one line short")
            << gbBytes({QString(), QStringLiteral("big"), QStringLiteral("65280")})
            << gbBytes({DesignLines[0], DesignLines[1], QStringLiteral("65280"), DesignLines[3]});
    }

    void stylingFileRoundTrip()
    {
        QFETCH(QByteArray, file);
        QFETCH(QByteArray, written);
        TestApp t;
        if (!file.isEmpty())
            QVERIFY(t.writeConfigBytes(ViwerSet, file));
        Form20 *screen = openScreen<Form20>(t);
        const AudienceStyle &style = screen->audienceStyle();
        QCOMPARE(screen->Label1->font().family(), style.text.fontName);
        QCOMPARE(screen->Label1->font().pointSizeF(), *style.text.fontSize);
        QCOMPARE(textColour(screen->Label1), colourForValue(*style.text.colour));
        QCOMPARE(backColour(screen), colourForValue(*style.background));
        closeScreen(screen);
        QCOMPARE(t.readConfigBytes(ViwerSet), written);
        QVERIFY(t.platform().messages.isEmpty());
    }

    void guestCommentsThenAudienceQuestionsKeepTheChosenLook()
    {
        TestApp t;
        QVERIFY(writePicture(t.backgroundPath(QStringLiteral("p3.jpg")), Qt::red, {60, 40}));
        // As the main menu's "嘉宾点评" opens it.
        Form20 *guests = openScreen<Form20>(t);
        guests->Label1->setText(QStringLiteral("嘉宾点评"));
        const QFont timeFont = guests->Label2->font();
        const QColor timeText = textColour(guests->Label2);
        t.platform().fontAnswers = {designFont(QStringLiteral("隶书"), 60)};
        t.platform().colourAnswers = {QColor(0, 0, 255), QColor(250, 250, 210)};
        guests->zt->trigger();
        guests->ztys->trigger();
        guests->bjys->trigger();
        guests->bj3->trigger();
        QVERIFY(hasPicture(guests));
        // The font and colour commands change the heading only; the time box keeps its look.
        QCOMPARE(guests->Label2->font(), timeFont);
        QCOMPARE(textColour(guests->Label2), timeText);
        QCOMPARE(backColour(guests->Label2), QColor(255, 128, 0));
        closeScreen(guests);
        QCOMPARE(t.readConfigBytes(ViwerSet), gbBytes({QStringLiteral("隶书"), QStringLiteral("60"),
                                                       QStringLiteral("16711680"), QStringLiteral("13826810")}));

        Form20 *audience = openScreen<Form20>(t);
        QCOMPARE(audience->Label1->text(), QStringLiteral("观众提问"));
        QCOMPARE(audience->Label1->font().family(), QStringLiteral("隶书"));
        QCOMPARE(audience->Label1->font().pointSizeF(), 60.0);
        QVERIFY(audience->Label1->font().bold());
        QCOMPARE(textColour(audience->Label1), QColor(0, 0, 255));
        QCOMPARE(backColour(audience), QColor(250, 250, 210));
        QVERIFY(!hasPicture(audience));
        audience->bj3->trigger();
        audience->wbj->trigger();
        QVERIFY(!hasPicture(audience));
        audience->zdy->trigger();
        QCOMPARE(t.platform().openRequests.value(0).filter, QStringLiteral("JPG文件(.JPG)|*.JPG"));
    }

    void popUpMenuOnlyOnTheSurface()
    {
        TestApp t;
        Form20 *screen = openScreen<Form20>(t);
        QCOMPARE(screen->menu->actions(), (QList<QAction *>{screen->s->menuAction(), screen->bj->menuAction(),
                                                            screen->a, screen->bjys, screen->wbj}));
        QCOMPARE(screen->bj->actions(), (QList<QAction *>{screen->bj1, screen->bj2, screen->bj3, screen->bj4,
                                                          screen->bj5, screen->j, screen->zdy}));
        const QPoint bare(40, 500);
        QTest::mousePress(screen->Label1, Qt::RightButton, {}, QPoint(10, 10));
        QTest::mousePress(screen->Label2, Qt::RightButton, {}, QPoint(5, 5));
        QTest::mousePress(screen, Qt::MiddleButton, {}, bare);
        QVERIFY(!screen->menu->isVisible());
        QTest::mousePress(screen, Qt::RightButton, {}, bare);
        QVERIFY(screen->menu->isVisible());
        screen->menu->hide();
    }

    void failedWriteStillClosesAndTellsTheTimekeeper()
    {
        TestApp t(TestApp::Config::Missing);
        closeToMenu(t, openScreen<Form20>(t));
        QCOMPARE(t.platform().messages.size(), 1);
        QVERIFY(t.platform().messages[0].text.contains(ViwerSet));
    }
};

QTEST_MAIN(TestAudienceScreen)
#include "test_audience_screen.moc"
