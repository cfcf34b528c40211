#include "core/app_paths.h"
#include "menu/main_menu.h"
#include "settings/contest_details_page.h"
#include "settings/stages_page.h"
#include "shell/controls.h"
#include "support/screens.h"
#include "support/test_app.h"
#include "support/widgets.h"

#include <QClipboard>
#include <QDropEvent>
#include <QFile>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QTest>

using namespace Dovrel;
using namespace Dovrel::Testing;

class TestContestDetails : public QObject
{
    Q_OBJECT

private slots:
    void boxesAndLabelsStandAtTheirDesignPlaces()
    {
        TestApp t;
        ContestDetailsPage *page = t.screen<ContestDetailsPage>();
        const struct
        {
            int box, left, top, width;
        } boxes[] = {{1, 4080, 600, 7335},   {6, 4080, 3720, 7335},  {7, 4440, 4560, 1095},   {10, 10320, 4560, 1095},
                     {11, 4440, 5040, 1095}, {15, 4560, 5880, 1335}, {20, 10080, 6360, 1335}, {23, 10080, 6840, 1335}};
        for (const auto &b : boxes)
            QCOMPARE(textBox(page, b.box)->geometry(), twipsRect(b.left, b.top, b.width, 405));
        const struct
        {
            const char *name, *text;
            int left, top;
        } labels[] = {{"Label27", "辩论赛名称", 2160, 600}, {"Label13", "反方队员", 2160, 5040},
                      {"Label14", "一辩", 3720, 4680},      {"Label19", "四辩", 9720, 5160},
                      {"Label17", "评委", 2160, 5880},      {"Label2", "评委八", 6480, 6960},
                      {"Label5", "评委九", 9240, 6960}};
        for (const auto &l : labels) {
            auto *label = child<QLabel>(page, QLatin1String(l.name));
            QVERIFY2(label, l.name);
            QCOMPARE(label->text(), QString::fromUtf8(l.text));
            QCOMPARE(label->pos(), twipsRect(l.left, l.top, 0, 0).topLeft());
            QCOMPARE(textColour(label), plainColour(0x00C00000));
        }
        const QStringList captions = {QStringLiteral("保存设置"), QStringLiteral("下一步>>"),
                                      QStringLiteral("清空设置"), QStringLiteral("返回主菜单")};
        for (int i = 0; i < 4; ++i)
            QCOMPARE(child<QPushButton>(page, QStringLiteral("Command%1").arg(i + 1))->text(), captions[i]);
        QCOMPARE(backColour(page), plainColour(0x00FFFF00));
        QCOMPARE(backColour(textBox(page, 3)), plainColour(0x00EAF189));
    }

    void loadsSavesAndClears()
    {
        TestApp t;
        const QStringList lines = contestDetails();
        t.writeConfig(NumSet, lines);
        ContestDetailsPage *page = t.screen<ContestDetailsPage>();
        for (int i = 1; i <= 23; ++i)
            QCOMPARE(t.app().contest().details()[ContestDetail(i - 1)], lines[i - 1]);

        // Clear asks first; Cancel keeps everything, and the file is untouched either way.
        t.platform().messageAnswers = {MessageAnswer::Cancel, MessageAnswer::Ok};
        child<QPushButton>(page, QStringLiteral("Command3"))->click();
        QCOMPARE(t.app().contest().details()[ContestDetail::ContestName], lines[0]);
        QCOMPARE(t.platform().messages.at(0).text, QStringLiteral("是否清空设置？"));
        QCOMPARE(t.platform().messages.at(0).title, QStringLiteral("提示"));
        QCOMPARE(t.platform().messages.at(0).icon, MessageIcon::Question);
        child<QPushButton>(page, QStringLiteral("Command3"))->click();
        for (int i = 1; i <= 23; ++i)
            QVERIFY(t.app().contest().details()[ContestDetail(i - 1)].isEmpty());
        QCOMPARE(t.readConfigBytes(NumSet), gbBytes(lines));

        // Saving every box empty writes 23 empty lines.
        child<QPushButton>(page, QStringLiteral("Command1"))->click();
        QCOMPARE(t.readConfigBytes(NumSet), QByteArray("\r\n").repeated(23));
        QCOMPARE(t.platform().messages.last().text, QStringLiteral("数据保存成功！"));
        QCOMPARE(t.platform().messages.last().buttons, MessageButtons::Ok);

        // Text of any kind is kept as typed, beyond the code page too.
        child<QLineEdit>(page, QStringLiteral("Text4"))->setText(QStringLiteral("  反方：网络使人更疏远 😀 "));
        child<QPushButton>(page, QStringLiteral("Command1"))->click();
        QCOMPARE(t.readConfigBytes(NumSet).count("\r\n"), 23);
        closeScreen(page);
        QCOMPARE(t.app().contest().details()[ContestDetail::NegativeMotion],
                 QStringLiteral("  反方：网络使人更疏远 😀 "));
    }

    void aBoxNeverHoldsALineBreak_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<QString>("kept");
        // As a single-line box on Windows: the inserted text up to its first break, the rest of the box kept.
        QTest::newRow("pasted") << QStringLiteral("paste") << QStringLiteral("某大甲学");
        QTest::newRow("dropped at the start") << QStringLiteral("drop") << QStringLiteral("甲某大学");
        QTest::newRow("from an input method") << QStringLiteral("input method") << QStringLiteral("某大甲学");
        QTest::newRow("set by the program") << QStringLiteral("set") << QStringLiteral("甲");
    }

    void aBoxNeverHoldsALineBreak()
    {
        QFETCH(QString, how);
        QFETCH(QString, kept);
        TestApp t;
        t.writeConfig(NumSet, contestDetails());
        ContestDetailsPage *page = openScreen<ContestDetailsPage>(t);
        QLineEdit *organiser = textBox(page, 2);
        organiser->setText(QStringLiteral("某大学"));
        organiser->setCursorPosition(2);
        const QString pasted = QStringLiteral("甲\n乙\r\n丙");
        if (how == QLatin1String("paste")) {
            QGuiApplication::clipboard()->setText(pasted);
            organiser->paste();
        } else if (how == QLatin1String("drop")) {
            QMimeData data;
            data.setText(pasted);
            // A drop goes where the drag entered.
            QDragEnterEvent enter(QPoint(0, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
            QCoreApplication::sendEvent(organiser, &enter);
            QDropEvent drop(QPointF(0, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
            QCoreApplication::sendEvent(organiser, &drop);
        } else if (how == QLatin1String("input method")) {
            QInputMethodEvent commit;
            commit.setCommitString(pasted);
            QCoreApplication::sendEvent(organiser, &commit);
        } else {
            organiser->setText(pasted);
        }
        QCOMPARE(organiser->text(), kept);
        click(page, QStringLiteral("Command1"));
        QStringList saved = contestDetails();
        saved[1] = kept;
        QCOMPARE(t.readConfigBytes(NumSet), gbBytes(saved));
    }

    void missingFileOrFolder()
    {
        TestApp t(TestApp::Config::Missing);
        ContestDetailsPage *page = t.screen<ContestDetailsPage>();
        for (int i = 1; i <= 23; ++i)
            QVERIFY(t.app().contest().details()[ContestDetail(i - 1)].isEmpty());
        // Without a config folder nothing is saved and success is never claimed.
        child<QLineEdit>(page, QStringLiteral("Text1"))->setText(QStringLiteral("赛"));
        child<QPushButton>(page, QStringLiteral("Command1"))->click();
        QCOMPARE(t.platform().messages.size(), 1);
        QVERIFY(t.platform().messages.at(0).text.contains(systemSeparators(QStringLiteral("config\\NumSet.ini"))));
        QVERIFY(!QFile::exists(t.configPath(NumSet)));
        QCOMPARE(t.app().contest().details()[ContestDetail::ContestName], QStringLiteral("赛"));
    }

    void theWizardIsWalkedWithItsButtons()
    {
        TestApp t;
        t.writeConfig(NumSet, contestDetails());
        MainMenu *menu = openScreen<MainMenu>(t);
        child<QPushButton>(menu, QStringLiteral("Command2"))->click();
        ContestDetailsPage *details = t.screen<ContestDetailsPage>();
        QVERIFY(details->isVisible());
        QVERIFY(!menu->isVisible());
        child<QLineEdit>(details, QStringLiteral("Text5"))->setText(QStringLiteral("复旦大学"));

        child<QPushButton>(details, QStringLiteral("Command2"))->click();
        StagesPage *stages = t.screen<StagesPage>();
        QVERIFY(stages->isVisible());
        QVERIFY(details->isHidden());
        child<QPushButton>(stages, QStringLiteral("Command2"))->click();
        QVERIFY(details->isVisible());
        QVERIFY(stages->isHidden());
        QCOMPARE(child<QLineEdit>(details, QStringLiteral("Text5"))->text(), QStringLiteral("复旦大学"));

        // Back to the menu from the next page leaves this page loaded with its unsaved edit.
        child<QPushButton>(details, QStringLiteral("Command2"))->click();
        child<QPushButton>(stages, QStringLiteral("Command5"))->click();
        flushDeletes();
        QVERIFY(menu->isVisible());
        QCOMPARE(t.screen<ContestDetailsPage>(), details);
        QCOMPARE(t.app().contest().details()[ContestDetail::AffirmativeTeam], QStringLiteral("复旦大学"));

        // Its own "返回主菜单" drops the edit; the next reader loads the file again.
        details->show();
        child<QPushButton>(details, QStringLiteral("Command4"))->click();
        flushDeletes();
        QVERIFY(menu->isVisible());
        QVERIFY(!t.app().screens().isLoaded(QStringLiteral("Form2")));
        QCOMPARE(t.app().contest().details()[ContestDetail::AffirmativeTeam], contestDetails()[4]);

        // The pop-up entry opens the page as the button does.
        child<QAction>(menu, QStringLiteral("set"))->trigger();
        QVERIFY(t.screen<ContestDetailsPage>()->isVisible());
        QVERIFY(!menu->isVisible());
    }
};

QTEST_MAIN(TestContestDetails)
#include "test_contest_details.moc"
