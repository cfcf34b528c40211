#include "core/caption_cycle.h"
#include "core/layout_tag.h"
#include "core/splash_fade.h"

#include <QTest>

using namespace Dovrel;

class TestShellLogic : public QObject
{
    Q_OBJECT

private slots:
    void fadeInReachesOpaqueOnTheHundredTwentyEighthTick()
    {
        SplashFade fade;
        QList<int> seen;
        SplashFade::Step step = SplashFade::Step::SetOpacity;
        while (step == SplashFade::Step::SetOpacity) {
            step = fade.tick();
            seen.append(fade.alpha());
        }
        QCOMPARE(step, SplashFade::Step::SetOpacityAndStop);
        QCOMPARE(seen.size(), 128);
        QCOMPARE(seen.first(), 2);
        QCOMPARE(seen.at(126), 254);
        QCOMPARE(seen.last(), 255);
        QVERIFY(!fade.finished());
    }

    void fadeOutFromOpaqueEndsOnTheHundredTwentyEighthTick()
    {
        SplashFade fade;
        while (fade.tick() != SplashFade::Step::SetOpacityAndStop) {
        }
        QVERIFY(!fade.requestClose());
        QList<int> shown;
        int ticks = 0;
        for (;;) {
            ++ticks;
            if (fade.tick() == SplashFade::Step::Finish)
                break;
            shown.append(fade.alpha());
        }
        QCOMPARE(ticks, 128);
        QCOMPARE(shown.first(), 253);
        QCOMPARE(shown.last(), 1);
        QVERIFY(fade.finished());
        QCOMPARE(fade.alpha(), 0);
        QVERIFY(fade.requestClose());
    }

    void fadeOutFromPartWayEndsOnTheTickThatReachesZero()
    {
        SplashFade fade;
        for (int i = 0; i < 50; ++i)
            fade.tick();
        QCOMPARE(fade.alpha(), 100);
        QVERIFY(!fade.requestClose());
        QList<int> shown;
        while (fade.tick() == SplashFade::Step::SetOpacity) {
            shown.append(fade.alpha());
            // Further requests during the fade-out change nothing.
            QVERIFY(!fade.requestClose());
        }
        QCOMPARE(shown.first(), 98);
        QCOMPARE(shown.last(), 2);
        QCOMPARE(shown.size(), 49);
        QVERIFY(fade.finished());
    }

    void captionCycle()
    {
        const QStringList cycle = {QString(),
                                   QStringLiteral("D"),
                                   QStringLiteral("Do"),
                                   QStringLiteral("Dov"),
                                   QStringLiteral("Dovr"),
                                   QStringLiteral("Dovre"),
                                   QStringLiteral("Dovrel")};
        for (int i = 0; i < cycle.size(); ++i)
            QCOMPARE(nextCaption(cycle.at(i)), cycle.at((i + 1) % cycle.size()));
        for (const QString &other :
             {QStringLiteral("d"), QStringLiteral("Dovrel "), QStringLiteral("Dx"), QStringLiteral("主菜单")})
            QCOMPARE(nextCaption(other), other);
    }

    void layoutTagText()
    {
        const QString tag = formatLayoutTag(1185, 1920, 1725, 840);
        QCOMPARE(tag, QStringLiteral("1185   1920   1725   840   "));
        QCOMPARE(tag.size(), 27);
        const TagGeometry g = parseLayoutTag(tag);
        QCOMPARE(g.left, 1185.0);
        QCOMPARE(g.top, 1920.0);
        QCOMPARE(g.width, 1725.0);
        QCOMPARE(g.height, 840.0);
        QCOMPARE(formatLayoutTag(0, -15, 30, 0), QStringLiteral("0   -15   30   0   "));
    }

    void layoutTagFieldsWithoutSeparatorCountAsZero()
    {
        TagGeometry g = parseLayoutTag(QString());
        QCOMPARE(g.left + g.top + g.width + g.height, 0.0);
        g = parseLayoutTag(QStringLiteral("10   20   30   40"));
        QCOMPARE(g.width, 30.0);
        QCOMPARE(g.height, 0.0);
        g = parseLayoutTag(QStringLiteral("  7.5   x   3   4   "));
        QCOMPARE(g.left, 7.5);
        QCOMPARE(g.top, 0.0);
    }

    void scaledGeometryRestoresDesignExactly()
    {
        const TagGeometry g = parseLayoutTag(formatLayoutTag(1185, 1920, 1725, 840));
        QCOMPARE(scaledGeometry(g, 1.0, 1.0), QRect(79, 128, 115, 56));
        const double rx = 1920.0 * 15 / 11880, ry = 1017.0 * 15 / 8490;
        const QRect big = scaledGeometry(g, rx, ry);
        QCOMPARE(big.x(), qRound(1185 * rx / 15));
        QCOMPARE(big.height(), qRound(840 * ry / 15));
        QCOMPARE(scaledGeometry(g, 1.0, 1.0), QRect(79, 128, 115, 56));
    }
};

QTEST_GUILESS_MAIN(TestShellLogic)
#include "test_shell_logic.moc"
