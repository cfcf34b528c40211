#include "core/contest_details.h"
#include "displays/judges_screen.h"
#include "displays/motions_screen.h"
#include "displays/speakers_screen.h"
#include "displays/styling.h"
#include "displays/teams_screen.h"
#include "menu/main_menu.h"
#include "settings/contest_details_page.h"
#include "shell/application.h"
#include "shell/controls.h"
#include "shell/qt_process.h"
#include "shell/text_scale.h"
#include "support/files.h"
#include "support/screens.h"
#include "support/test_app.h"
#include "support/widgets.h"

#include <QAction>
#include <QFontDatabase>
#include <QGlyphRun>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QRegularExpression>
#include <QTest>
#include <QTextLayout>
#include <QTimer>

using namespace Dovrel;
using namespace Dovrel::Testing;

// A value label and the contest detail it shows.
struct InfoCopy
{
    QString label;
    ContestDetail detail = ContestDetail::ContestName;
};
using Copies = QList<InfoCopy>;
Q_DECLARE_METATYPE(Copies)

namespace {

// Twenty-three different lines, so that every label shows which box it was filled from.
QStringList distinctDetails()
{
    return numberedLines(QStringLiteral("第%1栏"), 23);
}

InfoScreen *openInfo(TestApp &t, const QString &name)
{
    if (name == QLatin1String("Form7"))
        return openScreen<MotionsScreen>(t);
    if (name == QLatin1String("Form8"))
        return openScreen<TeamsScreen>(t);
    if (name == QLatin1String("Form14"))
        return openScreen<SpeakersScreen>(t);
    return openScreen<JudgesScreen>(t);
}

Copies numbered(int firstLabel, ContestDetail firstDetail, int count)
{
    Copies copies;
    for (int i = 0; i < count; ++i)
        copies.append({QStringLiteral("Label%1").arg(firstLabel + i), ContestDetail(int(firstDetail) + i)});
    return copies;
}

} // namespace

class TestInfoScreens : public QObject
{
    Q_OBJECT

private slots:
    void valueLabelsHoldTheirBoxes_data()
    {
        QTest::addColumn<QString>("screen");
        QTest::addColumn<Copies>("expected");
        QTest::newRow("motions") << "Form7"
                                 << Copies{{QStringLiteral("Label3"), ContestDetail::AffirmativeMotion},
                                           {QStringLiteral("Label5"), ContestDetail::NegativeMotion}};
        QTest::newRow("teams") << "Form8"
                               << Copies{{QStringLiteral("Label4"), ContestDetail::AffirmativeTeam},
                                         {QStringLiteral("Label5"), ContestDetail::NegativeTeam}};
        QTest::newRow("speakers") << "Form14" << numbered(5, ContestDetail::AffirmativeFirstSpeaker, 8);
        QTest::newRow("judges") << "Form15" << numbered(1, ContestDetail::JudgeOne, 9);
    }

    void valueLabelsHoldTheirBoxes()
    {
        QFETCH(QString, screen);
        QFETCH(Copies, expected);

        TestApp t;
        t.writeConfig(NumSet, distinctDetails());
        QVERIFY(!t.app().screens().isLoaded(QStringLiteral("Form2")));
        InfoScreen *info = openInfo(t, screen);
        for (const InfoCopy &copy : expected)
            QCOMPARE(child<QLabel>(info, copy.label)->text(), QStringLiteral("第%1栏").arg(int(copy.detail) + 1));
        // The page was read unseen.
        QVERIFY(t.app().screens().isLoaded(QStringLiteral("Form2")));
        QVERIFY(!t.screen<ContestDetailsPage>()->isVisible());
        QCOMPARE(info->windowTitle(), QStringLiteral("Dovrel"));
        QVERIFY(info->windowState() & Qt::WindowMaximized);
    }

    void showsThePageAsItIsAtOpening()
    {
        TestApp t;
        t.writeConfig(NumSet, distinctDetails());
        t.screen<ContestDetailsPage>()
            ->findChild<QLineEdit *>(QStringLiteral("Text7"))
            ->setText(QStringLiteral("改过的名字"));
        SpeakersScreen *speakers = t.screen<SpeakersScreen>();
        QCOMPARE(child<QLabel>(speakers, QStringLiteral("Label5"))->text(), QStringLiteral("改过的名字"));
        // An open screen does not follow later edits.
        t.screen<ContestDetailsPage>()
            ->findChild<QLineEdit *>(QStringLiteral("Text8"))
            ->setText(QStringLiteral("又改"));
        QCOMPARE(child<QLabel>(speakers, QStringLiteral("Label6"))->text(), QStringLiteral("第8栏"));

        TestApp missing(TestApp::Config::Missing);
        MotionsScreen *motions = missing.screen<MotionsScreen>();
        QCOMPARE(child<QLabel>(motions, QStringLiteral("Label3"))->text(), QString());
        QCOMPARE(child<QLabel>(motions, QStringLiteral("Label5"))->text(), QString());
        QCOMPARE(child<QLabel>(motions, QStringLiteral("Label2"))->text(), QStringLiteral("正方辩题"));
        QCOMPARE(child<QLabel>(motions, QStringLiteral("Label3"))->geometry(), twipsRect(3120, 2160, 8535, 2175));
    }

    void fiveJudgesFillTheFirstFiveCells()
    {
        TestApp t;
        QStringList lines = distinctDetails().mid(0, 14);
        lines << QStringLiteral("张三") << QStringLiteral("李四") << QStringLiteral("王五") << QStringLiteral("赵六")
              << QStringLiteral("孙七");
        t.writeConfig(NumSet, lines);
        JudgesScreen *judges = t.screen<JudgesScreen>();
        const QStringList shown = {child<QLabel>(judges, QStringLiteral("Label1"))->text(),
                                   child<QLabel>(judges, QStringLiteral("Label2"))->text(),
                                   child<QLabel>(judges, QStringLiteral("Label3"))->text(),
                                   child<QLabel>(judges, QStringLiteral("Label4"))->text(),
                                   child<QLabel>(judges, QStringLiteral("Label5"))->text(),
                                   child<QLabel>(judges, QStringLiteral("Label6"))->text(),
                                   child<QLabel>(judges, QStringLiteral("Label7"))->text(),
                                   child<QLabel>(judges, QStringLiteral("Label8"))->text(),
                                   child<QLabel>(judges, QStringLiteral("Label9"))->text()};
        QCOMPARE(shown, QStringList({QStringLiteral("张三"), QStringLiteral("李四"), QStringLiteral("王五"),
                                     QStringLiteral("赵六"), QStringLiteral("孙七"), QString(), QString(), QString(),
                                     QString()}));
        // Empty cells keep their place in the grid.
        QCOMPARE(child<QLabel>(judges, QStringLiteral("Label9"))->geometry(), twipsRect(8040, 5760, 3135, 975));
        QVERIFY(!child<QLabel>(judges, QStringLiteral("Label9"))->isHidden());
    }

    void sizedLabelsGrowRightAndBoxesKeepTheirBox()
    {
        TestApp t;
        QStringList lines = distinctDetails();
        lines[2] = QStringLiteral("人工智能的发展利大于弊，") + QString(40, QChar(0x5B57));
        lines[6] = QStringLiteral("欧阳诸葛司马长名字");
        lines[7] = QString();
        t.writeConfig(NumSet, lines);

        SpeakersScreen *speakers = t.screen<SpeakersScreen>();
        const QRect design = twipsRect(3000, 2715, 2250, 720);
        QCOMPARE(child<QLabel>(speakers, QStringLiteral("Label5"))->pos(), design.topLeft());
        QVERIFY(child<QLabel>(speakers, QStringLiteral("Label5"))->width() > design.width());
        QVERIFY(child<QLabel>(speakers, QStringLiteral("Label6"))->width() <
                child<QLabel>(speakers, QStringLiteral("Label5"))->width());
        QCOMPARE(child<QLabel>(speakers, QStringLiteral("Label6"))->x(), design.x());
        QCOMPARE(child<QLabel>(speakers, QStringLiteral("Label4_5"))->objectName(), QStringLiteral("Label4_5"));
        QCOMPARE(child<QLabel>(speakers, QStringLiteral("Label4_5"))->text(), QStringLiteral("一辩"));

        MotionsScreen *motions = t.screen<MotionsScreen>();
        QCOMPARE(child<QLabel>(motions, QStringLiteral("Label3"))->geometry(), twipsRect(3120, 2160, 8535, 2175));
        QVERIFY(child<QLabel>(motions, QStringLiteral("Label3"))->wordWrap());

        // A run without blanks still breaks inside the box rather than leaving it at the right.
        child<QLabel>(motions, QStringLiteral("Label5"))->setText(QString(60, QLatin1Char('W')));
        motions->show();
        QLabel *wrapped = child<QLabel>(motions, QStringLiteral("Label5"));
        const QImage shot = wrapped->grab().toImage();
        // Ink in the band of the second line, wherever the face in use puts its glyphs within it.
        const int line = wrapped->fontMetrics().lineSpacing();
        QVERIFY(shot.height() >= 2 * line);
        bool secondLine = false;
        for (int y = line; y < 2 * line && !secondLine; ++y) {
            for (int x = 0; x < shot.width() && !secondLine; ++x)
                secondLine = shot.pixelColor(x, y).blue() < 100;
        }
        QVERIFY(secondLine);
    }

    void relaysInProportionWithFontsKept()
    {
        TestApp t;
        t.writeConfig(NumSet, distinctDetails());
        TeamsScreen *teams = t.screen<TeamsScreen>();
        teams->setWindowState(Qt::WindowNoState);
        teams->show();
        const QSize sized = child<QLabel>(teams, QStringLiteral("Label2"))->size();

        teams->resize(2 * 792, 2 * 566);
        const QRect design = twipsRect(3240, 2160, 7815, 2295);
        QCOMPARE(child<QLabel>(teams, QStringLiteral("Label4"))->geometry(),
                 QRect(design.topLeft() * 2, design.size() * 2));
        QCOMPARE(child<QLabel>(teams, QStringLiteral("Label2"))->pos(), twipsRect(720, 2280, 1, 1).topLeft() * 2);
        QCOMPARE(child<QLabel>(teams, QStringLiteral("Label2"))->size(), sized);
        QCOMPARE(child<QLabel>(teams, QStringLiteral("Label4"))->font().pointSizeF(), 36.0);

        teams->resize(792, 566);
        QCOMPARE(child<QLabel>(teams, QStringLiteral("Label4"))->geometry(), design);
    }

    void textGrowsWithTheLayoutWhenTheTimekeeperAsks()
    {
        TestApp t;
        t.writeConfig(NumSet, distinctDetails());
        t.app().setHallTextScaled(true);
        TeamsScreen *teams = t.screen<TeamsScreen>();
        teams->setWindowState(Qt::WindowNoState);
        teams->show();
        QLabel *heading = child<QLabel>(teams, QStringLiteral("Label1"));
        const QRect design = heading->geometry();
        // Wider than it grows high, as a projector is: the text grows as far as the height, and the centred heading
        // stays centred.
        teams->resize(3 * 792, 2 * 566);
        QCOMPARE(child<QLabel>(teams, QStringLiteral("Label4"))->font().pointSizeF(), 72.0);
        QVERIFY(qAbs(heading->geometry().center().x() - 3 * design.center().x()) <= 4);
        QCOMPARE(heading->y(), 2 * design.y());
        // The design size is kept where the screen's own styling reads it.
        QCOMPARE(designFontOf(child<QLabel>(teams, QStringLiteral("Label4"))).pointSizeF(), 36.0);
        teams->resize(792, 566);
        QCOMPARE(child<QLabel>(teams, QStringLiteral("Label4"))->font().pointSizeF(), 36.0);
    }

    void namesInRareCharactersHaveTheirGlyphs()
    {
        const QStringList extension = QFontDatabase::families().filter(QRegularExpression(
            QStringLiteral("^(SimSun-ExtB|BabelStone Han)$"), QRegularExpression::CaseInsensitiveOption));
#ifdef Q_OS_WIN
        // Windows has SimSun-ExtB; a system made for testing may have neither.
        if (extension.isEmpty())
            QSKIP("No face of the characters beyond the basic CJK block is installed here.");
#endif
        installFontSubstitutes();
        TestApp t;
        QStringList lines = distinctDetails();
        lines[6] = QStringLiteral("王𠀀𠮷");
        t.writeConfig(NumSet, lines);
        QLabel *name = child<QLabel>(openScreen<SpeakersScreen>(t), QStringLiteral("Label5"));
        QTextLayout layout(name->text(), name->font());
        layout.beginLayout();
        layout.createLine();
        layout.endLayout();
        int glyphs = 0;
        for (const QGlyphRun &run : layout.glyphRuns()) {
            glyphs += int(run.glyphIndexes().size());
            QVERIFY2(!run.glyphIndexes().contains(0),
                     qPrintable(run.rawFont().familyName() + extension.join(QLatin1Char(','))));
        }
        QCOMPARE(glyphs, 3);
    }

    void closingReturnsToTheMenuAndUnloads_data()
    {
        QTest::addColumn<QString>("screen");
        for (const char *name : {"Form7", "Form8", "Form14", "Form15"})
            QTest::newRow(name) << QString::fromLatin1(name);
    }

    void closingReturnsToTheMenuAndUnloads()
    {
        QFETCH(QString, screen);
        TestApp t;
        t.screen<MainMenu>()->hide();
        InfoScreen *info = openInfo(t, screen);
        QCOMPARE(child<QTimer>(info, QStringLiteral("Timer1"))->interval(), 500);
        tick(child<QTimer>(info, QStringLiteral("Timer1")), 2);
        QCOMPARE(info->windowTitle(), QStringLiteral("D"));
        // Only the motions screen offers styling.
        QCOMPARE(info->findChild<QMenu *>() != nullptr, screen == QLatin1String("Form7"));

        closeToMenu(t, info);
    }

    void motionsMenuOpensOnTheSurfaceAndSetsThePicture()
    {
        TestApp t;
        for (int n = 1; n <= 5; ++n)
            QVERIFY(writePicture(t.backgroundPath(QStringLiteral("p%1.jpg").arg(n)), QColor(40 * n, 0, 0)));
        MotionsScreen *motions = t.screen<MotionsScreen>();
        motions->setWindowState(Qt::WindowNoState);
        motions->show();

        QTest::mousePress(child<QLabel>(motions, QStringLiteral("Label3")), Qt::RightButton, {}, QPoint(10, 10));
        QVERIFY(!child<QMenu>(motions, QStringLiteral("menu"))->isVisible());
        QTest::mousePress(motions, Qt::LeftButton, {}, QPoint(20, 20));
        QVERIFY(!child<QMenu>(motions, QStringLiteral("menu"))->isVisible());
        QTest::mousePress(motions, Qt::RightButton, {}, QPoint(20, 20));
        QVERIFY(child<QMenu>(motions, QStringLiteral("menu"))->isVisible());
        child<QMenu>(motions, QStringLiteral("menu"))->close();

        const QList<QAction *> stock = {
            child<QAction>(motions, QStringLiteral("bj1")), child<QAction>(motions, QStringLiteral("bj2")),
            child<QAction>(motions, QStringLiteral("bj3")), child<QAction>(motions, QStringLiteral("bj4")),
            child<QAction>(motions, QStringLiteral("bj5"))};
        for (int n = 1; n <= 5; ++n) {
            stock[n - 1]->trigger();
            QVERIFY(hasPicture(motions));
            QVERIFY(near(picture(motions).toImage().pixelColor(5, 5), QColor(40 * n, 0, 0)));
        }

        const QString custom = t.backgroundPath(QStringLiteral("p2.jpg"));
        t.platform().openAnswers.append(custom);
        child<QAction>(motions, QStringLiteral("zdy"))->trigger();
        QCOMPARE(t.platform().openRequests.size(), 1);
        QCOMPARE(t.platform().openRequests[0].filter, jpegPictureFilter().filter);
        QVERIFY(near(picture(motions).toImage().pixelColor(5, 5), QColor(80, 0, 0)));
        QVERIFY(child<QAction>(motions, QStringLiteral("s"))->isSeparator());

        // The picture is not kept for the next opening.
        closeScreen(motions);
        QVERIFY(!hasPicture(t.screen<MotionsScreen>()));
    }
};

QTEST_MAIN(TestInfoScreens)
#include "test_info_screens.moc"
