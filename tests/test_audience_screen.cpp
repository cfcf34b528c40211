#include "core/elapsed_time.h"
#include "displays/audience_screen.h"
#include "displays/styling.h"
#include "shell/controls.h"
#include "shell/system_colour.h"
#include "support/files.h"
#include "support/screens.h"
#include "support/test_app.h"
#include "support/widgets.h"

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
        AudienceScreen *screen = openScreen<AudienceScreen>(t);
        QCOMPARE(child<QLabel>(screen, QStringLiteral("Label2"))->text(), QString());
        tick(child<QTimer>(screen, QStringLiteral("Timer2")));
        QCOMPARE(child<QLabel>(screen, QStringLiteral("Label2"))->text(), QStringLiteral("0分1秒"));
        tick(child<QTimer>(screen, QStringLiteral("Timer2")), 149);
        QCOMPARE(child<QLabel>(screen, QStringLiteral("Label2"))->text(), QStringLiteral("2分30秒"));
        closeScreen(screen);

        AudienceScreen *again = openScreen<AudienceScreen>(t);
        QVERIFY(child<QTimer>(again, QStringLiteral("Timer2"))->isActive());
        QCOMPARE(child<QLabel>(again, QStringLiteral("Label2"))->text(), QString());
        tick(child<QTimer>(again, QStringLiteral("Timer2")));
        QCOMPARE(child<QLabel>(again, QStringLiteral("Label2"))->text(), QStringLiteral("2分31秒"));

        t.app().screens().variables<AudienceScreen>().elapsedSeconds = ElapsedLimit - 1;
        tick(child<QTimer>(again, QStringLiteral("Timer2")), 3);
        QCOMPARE(again->elapsedSeconds(), int(ElapsedLimit));
        QCOMPARE(child<QLabel>(again, QStringLiteral("Label2"))->text(), QStringLiteral("546分7秒"));
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
        AudienceScreen *screen = openScreen<AudienceScreen>(t);
        const AudienceStyle &style = screen->audienceStyle();
        QCOMPARE(child<QLabel>(screen, QStringLiteral("Label1"))->font().family(), style.text.fontName);
        QCOMPARE(child<QLabel>(screen, QStringLiteral("Label1"))->font().pointSizeF(), *style.text.fontSize);
        QCOMPARE(textColour(child<QLabel>(screen, QStringLiteral("Label1"))), storedColour(*style.text.colour));
        QCOMPARE(backColour(screen), storedColour(*style.background));
        closeScreen(screen);
        QCOMPARE(t.readConfigBytes(ViwerSet), written);
        QVERIFY(t.platform().messages.isEmpty());
    }

    void guestCommentsThenAudienceQuestionsKeepTheChosenLook()
    {
        TestApp t;
        QVERIFY(writePicture(t.backgroundPath(QStringLiteral("p3.jpg")), Qt::red, {60, 40}));
        // As the main menu's "嘉宾点评" opens it.
        AudienceScreen *guests = openScreen<AudienceScreen>(t);
        child<QLabel>(guests, QStringLiteral("Label1"))->setText(QStringLiteral("嘉宾点评"));
        const QFont timeFont = child<QLabel>(guests, QStringLiteral("Label2"))->font();
        const QColor timeText = textColour(child<QLabel>(guests, QStringLiteral("Label2")));
        t.platform().fontAnswers = {designFont(QStringLiteral("隶书"), 60)};
        t.platform().colourAnswers = {QColor(0, 0, 255), QColor(250, 250, 210)};
        child<QAction>(guests, QStringLiteral("zt"))->trigger();
        child<QAction>(guests, QStringLiteral("ztys"))->trigger();
        child<QAction>(guests, QStringLiteral("bjys"))->trigger();
        child<QAction>(guests, QStringLiteral("bj3"))->trigger();
        QVERIFY(hasPicture(guests));
        // The font and colour commands change the heading only; the time box keeps its look.
        QCOMPARE(child<QLabel>(guests, QStringLiteral("Label2"))->font(), timeFont);
        QCOMPARE(textColour(child<QLabel>(guests, QStringLiteral("Label2"))), timeText);
        QCOMPARE(backColour(child<QLabel>(guests, QStringLiteral("Label2"))), QColor(255, 128, 0));
        closeScreen(guests);
        QCOMPARE(t.readConfigBytes(ViwerSet), gbBytes({QStringLiteral("隶书"), QStringLiteral("60"),
                                                       QStringLiteral("16711680"), QStringLiteral("13826810")}));

        AudienceScreen *audience = openScreen<AudienceScreen>(t);
        QCOMPARE(child<QLabel>(audience, QStringLiteral("Label1"))->text(), QStringLiteral("观众提问"));
        QCOMPARE(child<QLabel>(audience, QStringLiteral("Label1"))->font().family(), QStringLiteral("隶书"));
        QCOMPARE(child<QLabel>(audience, QStringLiteral("Label1"))->font().pointSizeF(), 60.0);
        QVERIFY(child<QLabel>(audience, QStringLiteral("Label1"))->font().bold());
        QCOMPARE(textColour(child<QLabel>(audience, QStringLiteral("Label1"))), QColor(0, 0, 255));
        QCOMPARE(backColour(audience), QColor(250, 250, 210));
        QVERIFY(!hasPicture(audience));
        child<QAction>(audience, QStringLiteral("bj3"))->trigger();
        child<QAction>(audience, QStringLiteral("wbj"))->trigger();
        QVERIFY(!hasPicture(audience));
        child<QAction>(audience, QStringLiteral("zdy"))->trigger();
        QCOMPARE(t.platform().openRequests.value(0).filter, QStringLiteral("JPG文件(.JPG)|*.JPG"));
    }

    void popUpMenuOnlyOnTheSurface()
    {
        TestApp t;
        AudienceScreen *screen = openScreen<AudienceScreen>(t);
        QCOMPARE(child<QMenu>(screen, QStringLiteral("menu"))->actions(),
                 (QList<QAction *>{child<QMenu>(screen, QStringLiteral("s"))->menuAction(),
                                   child<QMenu>(screen, QStringLiteral("bj"))->menuAction(),
                                   child<QAction>(screen, QStringLiteral("a")),
                                   child<QAction>(screen, QStringLiteral("bjys")),
                                   child<QAction>(screen, QStringLiteral("wbj"))}));
        QCOMPARE(child<QMenu>(screen, QStringLiteral("bj"))->actions(),
                 (QList<QAction *>{
                     child<QAction>(screen, QStringLiteral("bj1")), child<QAction>(screen, QStringLiteral("bj2")),
                     child<QAction>(screen, QStringLiteral("bj3")), child<QAction>(screen, QStringLiteral("bj4")),
                     child<QAction>(screen, QStringLiteral("bj5")), child<QAction>(screen, QStringLiteral("j")),
                     child<QAction>(screen, QStringLiteral("zdy"))}));
        const QPoint bare(40, 500);
        QTest::mousePress(child<QLabel>(screen, QStringLiteral("Label1")), Qt::RightButton, {}, QPoint(10, 10));
        QTest::mousePress(child<QLabel>(screen, QStringLiteral("Label2")), Qt::RightButton, {}, QPoint(5, 5));
        QTest::mousePress(screen, Qt::MiddleButton, {}, bare);
        QVERIFY(!child<QMenu>(screen, QStringLiteral("menu"))->isVisible());
        QTest::mousePress(screen, Qt::RightButton, {}, bare);
        QVERIFY(child<QMenu>(screen, QStringLiteral("menu"))->isVisible());
        child<QMenu>(screen, QStringLiteral("menu"))->hide();
    }

    void failedWriteStillClosesAndTellsTheTimekeeper()
    {
        TestApp t(TestApp::Config::Missing);
        closeToMenu(t, openScreen<AudienceScreen>(t));
        QCOMPARE(t.platform().messages.size(), 1);
        QVERIFY(t.platform().messages[0].text.contains(ViwerSet));
    }
};

QTEST_MAIN(TestAudienceScreen)
#include "test_audience_screen.moc"
