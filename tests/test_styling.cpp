#include "displays/styling.h"
#include "shell/controls.h"
#include "shell/screen.h"
#include "support/files.h"
#include "support/test_app.h"
#include "support/widgets.h"

#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

using namespace Dovrel;
using namespace Dovrel::Testing;

namespace {

const QColor Surface(156, 235, 243);

// A display screen with the three kinds of target: a transparent label over the surface, a stretching picture
// control and a text box.
class FormStyled : public Screen
{
public:
    explicit FormStyled(Application &app, PictureFilter filter = jpegPictureFilter())
        : Screen(app), styling(*this, std::move(filter))
    {
        setDesignClientSize(DesignWidth, DesignHeight);
        setBackColour(this, Surface);
        Label1 = makeLabel(this, QStringLiteral("Label1"), 300, 300, 3000, 600, QStringLiteral("甲"));
        Label1->setFont(designFont(QStringLiteral("宋体"), 12, true));
        Image1 = makeControl<QLabel>(this, QStringLiteral("Image1"), 9000, 6000, 1500, 1500);
        Image1->setScaledContents(true);
        Text1 = makeControl<QLineEdit>(this, QStringLiteral("Text1"), 300, 7000, 3000, 400);
    }

    StylingCommands styling;
    QLabel *Label1 = nullptr;
    QLabel *Image1 = nullptr;
    QLineEdit *Text1 = nullptr;
};

QColor pixelAt(QWidget *widget, int x, int y)
{
    return widget->grab().toImage().pixelColor(x, y);
}

QColor pictureColour(const QWidget *target)
{
    return picture(target).toImage().pixelColor(0, 0);
}

} // namespace

class TestStyling : public QObject
{
    Q_OBJECT

private slots:
    void stockPictureSitsAtNaturalSizeUnderTransparentLabels()
    {
        TestApp t;
        QVERIFY(writePicture(t.backgroundPath(QStringLiteral("p1.jpg")), Qt::red, {120, 90}));
        QVERIFY(writePicture(t.backgroundPath(QStringLiteral("P4.JPG")), Qt::darkGreen, {30, 20}));
        FormStyled screen(t.app());
        screen.show();

        QVERIFY(screen.styling.stockBackground(&screen, 1));
        QVERIFY(hasPicture(&screen));
        QCOMPARE(picture(&screen).size(), QSize(120, 90));
        const QImage shot = screen.grab().toImage();
        QVERIFY(near(shot.pixelColor(5, 5), Qt::red));
        // Inside the transparent label, clear of its text.
        QVERIFY(near(shot.pixelColor(110, 50), Qt::red));
        // Neither stretched nor tiled: the background colour beside and below it.
        QCOMPARE(shot.pixelColor(125, 5), Surface);
        QCOMPARE(shot.pixelColor(5, 95), Surface);
        QCOMPARE(shot.pixelColor(300, 300), Surface);
        QVERIFY(!hasPicture(screen.Image1));

        // The picture control stretches its picture over its whole box; the number picks the file.
        QVERIFY(screen.styling.stockBackground(screen.Image1, 4));
        QCOMPARE(picture(screen.Image1).size(), QSize(30, 20));
        const QRect box = screen.Image1->geometry();
        QVERIFY(near(pixelAt(&screen, box.right() - 1, box.bottom() - 1), Qt::darkGreen));
        QVERIFY(near(pictureColour(&screen), Qt::red));
    }

    void missingOrUnreadableStockPictureKeepsTheCurrentOne()
    {
        TestApp t;
        QVERIFY(writePicture(t.backgroundPath(QStringLiteral("p2.jpg")), Qt::blue));
        QVERIFY(writeBytes(t.backgroundPath(QStringLiteral("p5.jpg")), "not a picture"));
        FormStyled screen(t.app());

        for (QWidget *target : {static_cast<QWidget *>(&screen), static_cast<QWidget *>(screen.Image1)}) {
            QVERIFY(!screen.styling.stockBackground(target, 3));
            QVERIFY(!hasPicture(target));
            QVERIFY(screen.styling.stockBackground(target, 2));
            QVERIFY(!screen.styling.stockBackground(target, 3));
            QVERIFY(!screen.styling.stockBackground(target, 5));
            QVERIFY(near(pictureColour(target), Qt::blue));
        }
    }

    void noBackgroundShowsThePlainColourAgain()
    {
        TestApp t;
        QVERIFY(writePicture(t.backgroundPath(QStringLiteral("p1.jpg")), Qt::red));
        FormStyled screen(t.app());
        screen.show();
        QVERIFY(screen.styling.stockBackground(&screen, 1));
        QVERIFY(screen.styling.stockBackground(screen.Image1, 1));

        QVERIFY(screen.styling.noBackground(&screen));
        QVERIFY(screen.styling.noBackground(screen.Image1));
        QVERIFY(!hasPicture(&screen));
        QVERIFY(!hasPicture(screen.Image1));
        QCOMPARE(pixelAt(&screen, 5, 5), Surface);
        QVERIFY(!screen.styling.noBackground(&screen));

        // A picture can be put back after it was removed.
        QVERIFY(screen.styling.stockBackground(&screen, 1));
        QVERIFY(near(pixelAt(&screen, 5, 5), Qt::red));
    }

    void customBackgroundAsksWithTheScreensFilterAndRemembersTheFile_data()
    {
        QTest::addColumn<bool>("bitmapsFirst");
        QTest::addColumn<QString>("filter");
        QTest::addColumn<int>("index");
        QTest::newRow("jpeg only") << false << QStringLiteral("JPG文件(.JPG)|*.JPG") << 1;
        QTest::newRow("bitmaps, then jpeg")
            << true << QStringLiteral("位图文件(*.bmp)|*.bmp|JPG文件(*.jpg)|*.jpg|") << 2;
    }

    void customBackgroundAsksWithTheScreensFilterAndRemembersTheFile()
    {
        QFETCH(bool, bitmapsFirst);
        QFETCH(QString, filter);
        QFETCH(int, index);
        TestApp t;
        const QString bitmap = t.backgroundPath(QStringLiteral("mine.bmp"));
        const QString jpeg = t.backgroundPath(QStringLiteral("hall.jpg"));
        QVERIFY(writePicture(bitmap, Qt::magenta));
        QVERIFY(writePicture(jpeg, Qt::yellow));
        FormStyled screen(t.app(), bitmapsFirst ? bitmapOrJpegPictureFilter() : jpegPictureFilter());
        t.platform().openAnswers = {bitmap, jpeg};

        QVERIFY(screen.styling.customBackground(&screen));
        QVERIFY(near(pictureColour(&screen), Qt::magenta));
        QVERIFY(screen.styling.customBackground(screen.Image1));
        QVERIFY(near(pictureColour(screen.Image1), Qt::yellow));

        QCOMPARE(t.platform().openRequests.size(), 2);
        for (const FileDialogRequest &request : t.platform().openRequests) {
            QCOMPARE(request.filter, filter);
            QCOMPARE(request.filterIndex, index);
        }
        QCOMPARE(t.platform().openRequests[0].initialFile, QString());
        QCOMPARE(t.platform().openRequests[1].initialFile, bitmap);
        QCOMPARE(screen.styling.lastFileName(), jpeg);
    }

    void cancelledOrUnloadableCustomBackgroundKeepsThePicture()
    {
        TestApp t;
        const QString first = t.backgroundPath(QStringLiteral("first.jpg"));
        const QString empty = t.backgroundPath(QStringLiteral("empty.jpg"));
        QVERIFY(writePicture(first, Qt::cyan));
        QVERIFY(writeBytes(empty, QByteArray()));
        FormStyled screen(t.app());
        t.platform().openAnswers = {first, std::nullopt, empty, QString()};

        QVERIFY(screen.styling.customBackground(&screen));
        QVERIFY(!screen.styling.customBackground(&screen));
        QCOMPARE(screen.styling.lastFileName(), first);
        QVERIFY(!screen.styling.customBackground(&screen));
        QVERIFY(!screen.styling.customBackground(&screen));
        QVERIFY(near(pictureColour(&screen), Qt::cyan));
        QCOMPARE(t.platform().openRequests.size(), 4);
    }

    void fontDialogGivesOnlyNameAndSize()
    {
        TestApp t;
        FormStyled screen(t.app());
        QFont chosen = designFont(QStringLiteral("隶书"), 48);
        chosen.setItalic(true);
        chosen.setUnderline(true);
        chosen.setStrikeOut(true);
        t.platform().fontAnswers = {chosen, std::nullopt};

        QVERIFY(screen.styling.chooseFont(screen.Label1));
        const QFont font = screen.Label1->font();
        QCOMPARE(font.family(), QStringLiteral("隶书"));
        QCOMPARE(font.pointSizeF(), 48.0);
        QVERIFY(font.bold());
        QVERIFY(!font.italic());
        QVERIFY(!font.underline());
        QVERIFY(!font.strikeOut());
        QCOMPARE(t.platform().fontRequests[0].family(), QStringLiteral("宋体"));

        // Cancelled on the text box: nothing changes; the dialog started from the font last chosen.
        const QFont before = screen.Text1->font();
        QVERIFY(!screen.styling.chooseFont(screen.Text1));
        QCOMPARE(screen.Text1->font(), before);
        QCOMPARE(t.platform().fontRequests[1], chosen);
    }

    void colourDialogsStartFromTheScreensLastColour()
    {
        TestApp t;
        FormStyled screen(t.app());
        FormStyled other(t.app());
        const QColor labelText = textColour(screen.Label1);
        t.platform().colourAnswers = {QColor(Qt::red), std::nullopt, QColor(0, 0, 128), QColor(125, 230, 117),
                                      QColor(24, 148, 222)};

        QVERIFY(screen.styling.chooseTextColour(screen.Text1));
        QCOMPARE(textColour(screen.Text1), QColor(Qt::red));
        QVERIFY(!screen.styling.chooseTextColour(screen.Label1));
        QCOMPARE(textColour(screen.Label1), labelText);
        // Another screen has a dialog of its own.
        QVERIFY(other.styling.chooseTextColour(other.Label1));
        QCOMPARE(textColour(other.Label1), QColor(0, 0, 128));
        QVERIFY(screen.styling.chooseBackColour(screen.Text1));
        QCOMPARE(backColour(screen.Text1), QColor(125, 230, 117));
        QVERIFY(screen.styling.chooseBackColour(&screen));
        QCOMPARE(backColour(&screen), QColor(24, 148, 222));
        // The text colour stays as chosen when the background changes.
        QCOMPARE(textColour(screen.Text1), QColor(Qt::red));

        const QList<QColor> asked = t.platform().colourRequests;
        QCOMPARE(asked, (QList<QColor>{Qt::black, Qt::red, Qt::black, Qt::red, QColor(125, 230, 117)}));
    }
};

QTEST_MAIN(TestStyling)
#include "test_styling.moc"
