#include "about/about_author.h"
#include "about/about_software.h"
#include "about/version_link.h"
#include "core/web_addresses.h"
#include "menu/main_menu.h"
#include "shell/controls.h"
#include "support/screens.h"
#include "support/test_app.h"
#include "support/widgets.h"

#include <QLabel>
#include <QTest>
#include <QTimer>

using namespace Dovrel;
using namespace Dovrel::Testing;

namespace {

QStringList redLines(AboutAuthor *about)
{
    QStringList red;
    for (int number = 2; number <= 7; ++number) {
        auto *line = child<QLabel>(about, QStringLiteral("Label%1").arg(number));
        if (textColour(line) == Red)
            red.append(line->objectName());
        else if (textColour(line) != Black)
            red.append(QStringLiteral("neither red nor black: ") + line->objectName());
    }
    return red;
}

} // namespace

class TestAbout : public QObject
{
    Q_OBJECT

private slots:
    void authorLinesBeginWithTheirPrefixes()
    {
        TestApp t;
        AboutAuthor *about = t.screen<AboutAuthor>();
        const QStringList prefixes = {QStringLiteral("姓    名："), QStringLiteral("单    位："),
                                      QStringLiteral("主修专业："), QStringLiteral("QQ："),
                                      QStringLiteral("电子邮箱："), QStringLiteral("个人博客：")};
        for (int i = 0; i < prefixes.size(); ++i) {
            auto *line = child<QLabel>(about, QStringLiteral("Label%1").arg(i + 2));
            QVERIFY2(line->text().startsWith(prefixes[i]), qPrintable(line->text()));
            QVERIFY(line->text().size() > prefixes[i].size());
            QVERIFY(about->rect().contains(line->geometry()));
        }
        QCOMPARE(child<QLabel>(about, QStringLiteral("Label7"))->text(), QStringLiteral("个人博客：") + homeAddress());
        QCOMPARE(child<QLabel>(about, QStringLiteral("Label7"))->toolTip(), QStringLiteral("单击访问作者博客"));
        QVERIFY(child<QTimer>(about, QStringLiteral("Timer1"))->isActive());
        tick(child<QTimer>(about, QStringLiteral("Timer1")));
        QCOMPARE(about->windowTitle(), QString());
    }

    void hoverLeavesExactlyTheLineUnderThePointerRed()
    {
        TestApp t;
        AboutAuthor *about = t.screen<AboutAuthor>();
        QVERIFY(redLines(about).isEmpty());
        moveOver(child<QLabel>(about, QStringLiteral("Label6")), QPoint(3, 3));
        QCOMPARE(redLines(about), QStringList{QStringLiteral("Label6")});
        moveOver(child<QLabel>(about, QStringLiteral("Label7")), QPoint(3, 3));
        QCOMPARE(redLines(about), QStringList{QStringLiteral("Label7")});
        moveOver(child<QLabel>(about, QStringLiteral("Label2")), QPoint(3, 3));
        QCOMPARE(redLines(about), QStringList{QStringLiteral("Label2")});

        // Over the heading nothing changes; over the bare background every line goes black.
        moveOver(about, child<QLabel>(about, QStringLiteral("Label1"))->geometry().center());
        QCOMPARE(redLines(about), QStringList{QStringLiteral("Label2")});
        moveOver(about, QPoint(2, about->height() - 2));
        QVERIFY(redLines(about).isEmpty());
        QCOMPARE(textColour(child<QLabel>(about, QStringLiteral("Label1"))), QColor(0, 0, 255));

        // Through the window system too: the lines and the window track the mouse without a button.
        about->show();
        QVERIFY(QTest::qWaitForWindowExposed(about));
        QTest::mouseMove(child<QLabel>(about, QStringLiteral("Label4")), QPoint(5, 5));
        QCOMPARE(redLines(about), QStringList{QStringLiteral("Label4")});
        QTest::mouseMove(about, QPoint(2, about->height() - 2));
        QVERIFY(redLines(about).isEmpty());
    }

    void aClickOnTheBlogLineOpensTheHomePage()
    {
        TestApp t;
        AboutAuthor *about = openOverMenu<AboutAuthor>(t);
        QTest::mouseClick(child<QLabel>(about, QStringLiteral("Label7")), Qt::RightButton);
        QTest::mouseClick(child<QLabel>(about, QStringLiteral("Label6")), Qt::LeftButton);
        QVERIFY(t.platform().urls.isEmpty());
        QTest::mouseClick(child<QLabel>(about, QStringLiteral("Label7")), Qt::LeftButton);
        QCOMPARE(t.platform().urls, QStringList{homeAddress()});

        // No browser: nothing is said and the window stays.
        t.platform().openUrlSucceeds = false;
        QTest::mouseClick(child<QLabel>(about, QStringLiteral("Label7")), Qt::LeftButton);
        QCOMPARE(t.platform().urls.size(), 2);
        QVERIFY(t.platform().messages.isEmpty());
        QVERIFY(about->isVisible());
    }

    void softwareTextsStandAsWritten()
    {
        TestApp t;
        AboutSoftware *about = t.screen<AboutSoftware>();
        QCOMPARE(child<QLabel>(about, QStringLiteral("Label2"))->text(), QStringLiteral("软件版本：2.2.0.5"));
        QCOMPARE(child<QLabel>(about, QStringLiteral("Label3"))->text(),
                 QStringLiteral("运行时内存占用率非常低，兼容性好。"));
        QCOMPARE(child<QLabel>(about, QStringLiteral("Label4"))->text() +
                     child<QLabel>(about, QStringLiteral("Label5"))->text() +
                     child<QLabel>(about, QStringLiteral("Label6"))->text(),
                 QStringLiteral("该版本增添了如“比赛结果”、“比赛报表”等实用功能，自定义比赛环节、各环节限制时间，"
                                "有四组提示音可供选择，自定义设置可以保存，以方便下次使用。"));
        QCOMPARE(child<QLabel>(about, QStringLiteral("Label5"))->text(),
                 QStringLiteral("节、各环节限制时间，有四组提示音可供选择，自定义设置可以保存，以方便"));
        QCOMPARE(child<QLabel>(about, QStringLiteral("Label7"))->text() +
                     child<QLabel>(about, QStringLiteral("Label8"))->text(),
                 QStringLiteral("由于本人水平有限，本软件中错误在所难免，还望指正。如果您有好的建议或者意见，"
                                "还望与本人联系。本人将不胜感激！"));
        QVERIFY(child<QLabel>(about, QStringLiteral("Label9"))->text().contains(QStringLiteral("Dovrel")));
        // Every line is whole on one line inside the window.
        for (QLabel *line :
             {child<QLabel>(about, QStringLiteral("Label2")), child<QLabel>(about, QStringLiteral("Label3")),
              child<QLabel>(about, QStringLiteral("Label4")), child<QLabel>(about, QStringLiteral("Label5")),
              child<QLabel>(about, QStringLiteral("Label6")), child<QLabel>(about, QStringLiteral("Label7")),
              child<QLabel>(about, QStringLiteral("Label8")), child<QLabel>(about, QStringLiteral("Label9"))}) {
            QVERIFY(!line->wordWrap());
            QVERIFY2(line->sizeHint().width() <= line->width(), qPrintable(line->objectName()));
            QVERIFY(about->rect().contains(line->geometry()));
        }
    }

    void bothWindowsShowTheirHeadingAndLeaveTheMainMenuVisible_data()
    {
        QTest::addColumn<bool>("author");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QString>("heading");
        QTest::newRow("关于作者") << true << QSize(5880 / 15, 3510 / 15) << QStringLiteral("作者信息");
        QTest::newRow("关于该软件") << false << QSize(7560 / 15, 3765 / 15) << QStringLiteral("关于该软件");
    }

    void bothWindowsShowTheirHeadingAndLeaveTheMainMenuVisible()
    {
        QFETCH(bool, author);
        QFETCH(QSize, size);
        QFETCH(QString, heading);
        TestApp t;
        Screen *about = author ? static_cast<Screen *>(openOverMenu<AboutAuthor>(t)) : openOverMenu<AboutSoftware>(t);
        QCOMPARE(about->windowTitle(), QStringLiteral("Dovrel"));
        QCOMPARE(about->size(), size);
        QCOMPARE(backColour(about), QColor(152, 218, 216));
        const auto *title = child<QLabel>(about, QStringLiteral("Label1"));
        QCOMPARE(title->text(), heading);
        QCOMPARE(textColour(title), QColor(0, 0, 255));
        QCOMPARE(title->font().pointSizeF(), 15.0);
        QVERIFY(title->font().bold());
        QVERIFY(child<QTimer>(about, QStringLiteral("Timer1"))->isActive());

        QVERIFY(t.screen<MainMenu>()->isVisible());
        QVERIFY(about->isVisible());
        const QString name = about->objectName();

        closeToMenu(t, about);
        QVERIFY(!t.app().exiting());

        // The next opening loads it afresh.
        Screen *again = author ? static_cast<Screen *>(t.screen<AboutAuthor>()) : t.screen<AboutSoftware>();
        QCOMPARE(t.app().screens().loadCount(name), 2);
        QCOMPARE(again->windowTitle(), QStringLiteral("Dovrel"));
    }

    void newVersionPageOpensOrItsAddressIsShown()
    {
        QVERIFY(newVersionAddress().startsWith(homeAddress()));
        QVERIFY(newVersionAddress().endsWith(QStringLiteral("/releases")));
        QVERIFY(!newVersionAddress().contains(QStringLiteral("//releases")));

        TestApp t;
        MainMenu *menu = openScreen<MainMenu>(t);
        openNewVersionPage(menu);
        QCOMPARE(t.platform().urls, QStringList{newVersionAddress()});
        QVERIFY(t.platform().messages.isEmpty());

        t.platform().openUrlSucceeds = false;
        openNewVersionPage(menu);
        QCOMPARE(t.platform().messages.size(), 1);
        QVERIFY(t.platform().messages[0].text.contains(newVersionAddress()));
        QCOMPARE(t.platform().messages[0].buttons, MessageButtons::Ok);
        QVERIFY(menu->isVisible());
        QVERIFY(!t.app().exiting());
    }
};

QTEST_MAIN(TestAbout)
#include "test_about.moc"
