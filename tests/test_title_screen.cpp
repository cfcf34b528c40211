#include "core/layout_tag.h"
#include "core/scrolling_note.h"
#include "displays/styling.h"
#include "displays/title_screen.h"
#include "settings/contest_details_page.h"
#include "shell/controls.h"
#include "shell/system_colour.h"
#include "support/files.h"
#include "support/screens.h"
#include "support/test_app.h"
#include "support/widgets.h"

#include <QAction>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QTimer>

using namespace Dovrel;
using namespace Dovrel::Testing;

namespace {

// What a first close writes: the zones' design font, black text, the design background (94, 200, 109).
const QStringList DesignLines = {QStringLiteral("宋体"),   QStringLiteral("36"), QStringLiteral("0"),
                                 QStringLiteral("宋体"),   QStringLiteral("24"), QStringLiteral("0"),
                                 QStringLiteral("7194718")};
const QPoint Bare(40, 500);

} // namespace

class TestTitleScreen : public QObject
{
    Q_OBJECT

private slots:
    void scrollStep_data()
    {
        QTest::addColumn<int>("left");
        QTest::addColumn<int>("outer");
        QTest::addColumn<int>("next");
        QTest::newRow("on the screen") << 5280 << 11880 << 5270;
        QTest::newRow("one twip short of out") << -5099 << 11880 << -5109;
        QTest::newRow("exactly out") << -5100 << 11880 << 11870;
        QTest::newRow("beyond, wider window") << -5107 << 28800 << 28790;
    }

    void scrollStep()
    {
        QFETCH(int, left);
        QFETCH(int, outer);
        QFETCH(int, next);
        QCOMPARE(nextNoteLeft(left, 5100, outer), next);
    }

    void reminderReentersAtTheRightEdgeWithoutAGap()
    {
        TestApp t;
        TitleScreen *title = t.screen<TitleScreen>();
        QLabel *note = child<QLabel>(title, QStringLiteral("Label3"));
        QCOMPARE(note->x(), 352);
        tick(child<QTimer>(title, QStringLiteral("Timer1")), 3); // 30 twips: two pixels
        QCOMPARE(note->x(), 350);
        int before = note->x();
        for (int steps = 0; note->x() <= before && steps < 5000; ++steps) {
            before = note->x();
            tick(child<QTimer>(title, QStringLiteral("Timer1")));
        }
        // The step before re-entering it had just left the screen completely.
        QVERIFY2(before == -note->width() || before == -note->width() - 1, qPrintable(QString::number(before)));
        const int outer = static_cast<int>(pixelsToTwips(title->frameGeometry().width()));
        QCOMPARE(note->x(), twipsToPixels(outer - 10));
        // 500 twips a second: about 24 seconds across a design-size screen.
        tick(child<QTimer>(title, QStringLiteral("Timer1")), (outer - 10) / 10);
        QCOMPARE(note->x(), 0);
    }

    void stylingFileRoundTrip_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QByteArray>("written");
        const QByteArray assets = assetBytes(NameSet);
        const QByteArray fraction = gbBytes(
            {QStringLiteral("隶书"), QStringLiteral("10.5"), QStringLiteral("-2147483640"), QStringLiteral("Arial"),
             QStringLiteral("48"), QStringLiteral("65535"), QStringLiteral("-2147483633")});
        QStringList mended = DesignLines;
        mended[0] = QStringLiteral("隶书");
        mended[1] = QStringLiteral("48");
        QTest::newRow("installed file") << assets << assets;
        QTest::newRow("fraction and system colours") << fraction << fraction;
        QTest::newRow("missing file") << QByteArray() << gbBytes(DesignLines);
        QTest::newRow("short file, blanks and junk") << gbBytes({QStringLiteral("隶书"), QStringLiteral(" 48 "),
                                                                 QStringLiteral("red"), QString(), QStringLiteral("0")})
                                                     << gbBytes(mended);
    }

    void stylingFileRoundTrip()
    {
        QFETCH(QByteArray, file);
        QFETCH(QByteArray, written);
        TestApp t;
        if (!file.isEmpty())
            QVERIFY(t.writeConfigBytes(NameSet, file));
        TitleScreen *title = openScreen<TitleScreen>(t);
        const TitleStyle &style = title->titleStyle();
        QCOMPARE(child<QLabel>(title, QStringLiteral("Label1"))->font().family(), style.zoneOne.fontName);
        QCOMPARE(child<QLabel>(title, QStringLiteral("Label1"))->font().pointSizeF(), *style.zoneOne.fontSize);
        QCOMPARE(textColour(child<QLabel>(title, QStringLiteral("Label1"))), storedColour(*style.zoneOne.colour));
        QCOMPARE(textColour(child<QLabel>(title, QStringLiteral("Label2"))), storedColour(*style.zoneTwo.colour));
        QCOMPARE(backColour(title), storedColour(*style.background));
        closeScreen(title);
        QCOMPARE(t.readConfigBytes(NameSet), written);
        QVERIFY(t.platform().messages.isEmpty());
    }

    void stylingLastsButThePictureDoesNot()
    {
        TestApp t;
        QVERIFY(writePicture(t.backgroundPath(QStringLiteral("p1.jpg")), Qt::red, {60, 40}));
        TitleScreen *title = openScreen<TitleScreen>(t);
        QFont italic = designFont(QStringLiteral("隶书"), 48);
        italic.setItalic(true);
        t.platform().fontAnswers = {italic, std::nullopt};
        t.platform().colourAnswers = {QColor(10, 20, 30), QColor(200, 0, 0), std::nullopt};
        child<QPushButton>(title, QStringLiteral("Command1"))->click();
        child<QPushButton>(title, QStringLiteral("Command3"))->click(); // cancelled
        child<QPushButton>(title, QStringLiteral("Command5"))->click();
        child<QPushButton>(title, QStringLiteral("Command4"))->click();
        child<QPushButton>(title, QStringLiteral("Command2"))->click(); // cancelled
        child<QAction>(title, QStringLiteral("bj1"))->trigger();
        QVERIFY(hasPicture(title));
        child<QAction>(title, QStringLiteral("zdy"))->trigger();
        QCOMPARE(t.platform().openRequests.value(0).filter, QStringLiteral("JPG文件(.JPG)|*.JPG"));
        closeScreen(title);
        QCOMPARE(t.readConfigBytes(NameSet),
                 gbBytes({QStringLiteral("隶书"), QStringLiteral("48"), QStringLiteral("0"), QStringLiteral("宋体"),
                          QStringLiteral("24"), QStringLiteral("200"), QStringLiteral("1971210")}));

        TitleScreen *again = openScreen<TitleScreen>(t);
        QCOMPARE(child<QLabel>(again, QStringLiteral("Label1"))->font().family(), QStringLiteral("隶书"));
        QVERIFY(!child<QLabel>(again, QStringLiteral("Label1"))->font().italic());
        QCOMPARE(backColour(again), QColor(10, 20, 30));
        QVERIFY(!hasPicture(again));
        child<QAction>(again, QStringLiteral("bj1"))->trigger();
        child<QAction>(again, QStringLiteral("w"))->trigger();
        QVERIFY(!hasPicture(again));
    }

    void presentationAndDesignUse()
    {
        TestApp t;
        ContestDetailsPage *details = t.screen<ContestDetailsPage>();
        child<QLineEdit>(details, QStringLiteral("Text1"))->setText(QStringLiteral("第十二届明理杯大学生辩论赛决赛"));
        child<QLineEdit>(details, QStringLiteral("Text2"))->setText(QStringLiteral("明理大学学生会"));
        // Presentation, as the main menu opens it: loaded unseen, the design controls hidden, then shown.
        TitleScreen *title = t.screen<TitleScreen>();
        const QList<QWidget *> design = {child<QLabel>(title, QStringLiteral("Label3")),
                                         child<QPushButton>(title, QStringLiteral("Command1")),
                                         child<QPushButton>(title, QStringLiteral("Command2")),
                                         child<QPushButton>(title, QStringLiteral("Command3")),
                                         child<QPushButton>(title, QStringLiteral("Command4")),
                                         child<QPushButton>(title, QStringLiteral("Command5"))};
        for (QWidget *control : design)
            control->hide();
        title->show();
        QCOMPARE(title->windowTitle(), QStringLiteral("Dovrel"));
        QCOMPARE(child<QLabel>(title, QStringLiteral("Label1"))->text(),
                 QStringLiteral("第十二届明理杯大学生辩论赛决赛"));
        QCOMPARE(child<QLabel>(title, QStringLiteral("Label2"))->text(), QStringLiteral("明理大学学生会"));
        for (QWidget *control : design)
            QVERIFY(!control->isVisible());
        // The menu opens on the surface only, never on a zone.
        QTest::mousePress(child<QLabel>(title, QStringLiteral("Label1")), Qt::RightButton, {}, QPoint(10, 10));
        QTest::mousePress(child<QLabel>(title, QStringLiteral("Label2")), Qt::RightButton, {}, QPoint(10, 10));
        QTest::mousePress(title, Qt::LeftButton, {}, Bare);
        QVERIFY(!child<QMenu>(title, QStringLiteral("menu"))->isVisible());
        QTest::mousePress(title, Qt::RightButton, {}, Bare);
        QVERIFY(child<QMenu>(title, QStringLiteral("menu"))->isVisible());
        child<QMenu>(title, QStringLiteral("menu"))->hide();
        // Hidden, the reminder still scrolls; a resize puts it back to its scaled design place, it goes on from there.
        title->resize(1584, 1132);
        QCOMPARE(child<QLabel>(title, QStringLiteral("Label3"))->x(), 704);
        tick(child<QTimer>(title, QStringLiteral("Timer1")), 3);
        QCOMPARE(child<QLabel>(title, QStringLiteral("Label3"))->x(), 702);
        closeScreen(title);

        // Design: every opening starts from the design again.
        TitleScreen *designing = openScreen<TitleScreen>(t);
        for (QWidget *control : QList<QWidget *>{child<QLabel>(designing, QStringLiteral("Label3")),
                                                 child<QPushButton>(designing, QStringLiteral("Command1")),
                                                 child<QPushButton>(designing, QStringLiteral("Command5"))})
            QVERIFY(control->isVisible());
    }

    void failedWriteStillCloses_data()
    {
        QTest::addColumn<bool>("readOnly");
        QTest::newRow("no config folder") << false;
        QTest::newRow("read-only file") << true;
    }

    void failedWriteStillCloses()
    {
        QFETCH(bool, readOnly);
        TestApp t(readOnly ? TestApp::Config::Empty : TestApp::Config::Missing);
        const QByteArray kept = gbBytes(DesignLines);
        if (readOnly) {
            QVERIFY(t.writeConfigBytes(NameSet, kept));
            QFile::setPermissions(t.configPath(NameSet), QFileDevice::ReadOwner);
        }
        TitleScreen *title = openScreen<TitleScreen>(t);
        t.platform().colourAnswers = {QColor(1, 2, 3)};
        child<QPushButton>(title, QStringLiteral("Command5"))->click();
        closeToMenu(t, title);
        QCOMPARE(t.platform().messages.size(), 1);
        QVERIFY(t.platform().messages[0].text.contains(NameSet));
        if (readOnly) {
            QCOMPARE(t.readConfigBytes(NameSet), kept);
            QFile::setPermissions(t.configPath(NameSet), QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        }
    }
};

QTEST_MAIN(TestTitleScreen)
#include "test_title_screen.moc"
