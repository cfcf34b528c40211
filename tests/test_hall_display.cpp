#include "menu/main_menu.h"
#include "support/screens.h"
#include "support/test_app.h"
#include "support/widgets.h"

#include <QApplication>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <qpa/qplatformnativeinterface.h>

using namespace Dovrel;
using namespace Dovrel::Testing;

namespace {

QJsonObject display(const QString &name, int x, int width, int height)
{
    QJsonObject screen;
    screen.insert(QStringLiteral("name"), name);
    screen.insert(QStringLiteral("x"), x);
    screen.insert(QStringLiteral("y"), 0);
    screen.insert(QStringLiteral("width"), width);
    screen.insert(QStringLiteral("height"), height);
    screen.insert(QStringLiteral("logicalDpi"), 96);
    screen.insert(QStringLiteral("logicalBaseDpi"), 96);
    screen.insert(QStringLiteral("dpr"), 1.0);
    return screen;
}

// The timekeeper's laptop panel on the left, the hall's projector to its right.
const QJsonObject Panel = display(QStringLiteral("panel"), 0, 1280, 800);
const QJsonObject Projector = display(QStringLiteral("projector"), 1280, 1920, 1080);

QJsonObject displays(const QJsonArray &screens)
{
    QJsonObject configuration;
    configuration.insert(QStringLiteral("synchronousWindowSystemEvents"), true);
    configuration.insert(QStringLiteral("windowFrameMargins"), false);
    configuration.insert(QStringLiteral("screens"), screens);
    return configuration;
}

// Plugs and unplugs displays of the headless platform while the program runs.
void attach(const QJsonArray &screens)
{
    QPlatformNativeInterface *native = QGuiApplication::platformNativeInterface();
    using SetConfiguration = void (*)(const QJsonObject &, QPlatformNativeInterface *);
    const auto set = reinterpret_cast<SetConfiguration>(native->nativeResourceForIntegration("setConfiguration"));
    QVERIFY(set);
    set(displays(screens), native);
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
}

QString displayOf(const QWidget *window)
{
    return window->screen()->name();
}

bool fills(const QWidget *window, const QString &display)
{
    const QScreen *screen = window->screen();
    return screen->name() == display && window->isMaximized() && window->geometry() == screen->availableGeometry();
}

} // namespace

class TestHallDisplay : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        attach({Panel, Projector});
    }

    void hallScreensOpenOnTheProjectorAndTheRestStaysWithTheTimekeeper_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("screen");
        QTest::addColumn<bool>("forTheHall");
        QTest::newRow("opening statements") << QStringLiteral("Command37") << QStringLiteral("Form17") << true;
        QTest::newRow("free debate") << QStringLiteral("Command40") << QStringLiteral("Form6") << true;
        QTest::newRow("cross-examination") << QStringLiteral("Command38") << QStringLiteral("Form18") << true;
        QTest::newRow("title") << QStringLiteral("Command4") << QStringLiteral("Form13") << true;
        QTest::newRow("teams") << QStringLiteral("Command6") << QStringLiteral("Form8") << true;
        QTest::newRow("audience") << QStringLiteral("Command16") << QStringLiteral("Form20") << true;
        QTest::newRow("settings wizard") << QStringLiteral("Command2") << QStringLiteral("Form2") << false;
        QTest::newRow("score entry") << QStringLiteral("Command18") << QStringLiteral("Form16") << false;
        QTest::newRow("report") << QStringLiteral("Command19") << QStringLiteral("Form12") << false;
    }

    void hallScreensOpenOnTheProjectorAndTheRestStaysWithTheTimekeeper()
    {
        QFETCH(QString, button);
        QFETCH(QString, screen);
        QFETCH(bool, forTheHall);
        TestApp t;
        MainMenu *menu = openScreen<MainMenu>(t);
        QCOMPARE(displayOf(menu), QStringLiteral("panel"));

        QTest::mouseClick(child<QPushButton>(menu, button), Qt::LeftButton);
        Screen *opened = t.app().screens().loaded(screen);
        QVERIFY(opened && opened->isVisible());
        if (forTheHall)
            QVERIFY(fills(opened, QStringLiteral("projector")));
        else
            QCOMPARE(displayOf(opened), QStringLiteral("panel"));
        QVERIFY(!menu->isVisible());
    }

    void theWizardStaysInOnePlaceOnTheTimekeepersDisplay()
    {
        TestApp t;
        MainMenu *menu = openScreen<MainMenu>(t);
        QCOMPARE(menu->frameGeometry().center(), menu->screen()->availableGeometry().center());
        QTest::mouseClick(child<QPushButton>(menu, QStringLiteral("Command2")), Qt::LeftButton);
        QRect where;
        // Each page with its "下一步>>" button.
        const QList<QPair<QString, QString>> pages = {{QStringLiteral("Form2"), QStringLiteral("Command2")},
                                                      {QStringLiteral("Form3"), QStringLiteral("Command3")},
                                                      {QStringLiteral("Form9"), QString()}};
        for (const auto &[page, next] : pages) {
            Screen *shown = t.app().screens().loaded(page);
            QVERIFY(shown && shown->isVisible());
            QCOMPARE(displayOf(shown), QStringLiteral("panel"));
            QCOMPARE(shown->frameGeometry().center(), shown->screen()->availableGeometry().center());
            if (where.isNull())
                where = shown->frameGeometry();
            QCOMPARE(shown->frameGeometry(), where);
            if (!next.isEmpty())
                QTest::mouseClick(child<QPushButton>(shown, next), Qt::LeftButton);
        }
    }

    void theAboutScreensOpenOverTheMenu()
    {
        TestApp t;
        MainMenu *menu = openScreen<MainMenu>(t);
        QTest::mouseClick(child<QPushButton>(menu, QStringLiteral("Command1")), Qt::LeftButton);
        Screen *about = t.app().screens().loaded(QStringLiteral("Form19"));
        QVERIFY(about && about->isVisible());
        QCOMPARE(displayOf(about), QStringLiteral("panel"));
    }

    void aRunningClockMovesOnWhenItsDisplayIsUnplugged()
    {
        TestApp t;
        t.writeSoundSet(QStringLiteral("秒"));
        QStringList stages(21);
        stages[16] = QStringLiteral("180"); // the preset opening statements
        t.writeConfig(TimeSet, stages);
        MainMenu *menu = openScreen<MainMenu>(t);
        QTest::mouseClick(child<QPushButton>(menu, QStringLiteral("Command37")), Qt::LeftButton);
        Screen *clock = t.app().screens().loaded(QStringLiteral("Form17"));
        QVERIFY(fills(clock, QStringLiteral("projector")));

        QTest::mouseClick(child<QPushButton>(clock, QStringLiteral("Command3")), Qt::LeftButton);
        QTimer *countdown = child<QTimer>(clock, QStringLiteral("Timer1"));
        QVERIFY(countdown->isActive());
        tick(countdown, 2);
        const QString shown = child<QLabel>(clock, QStringLiteral("Label2"))->text();
        QCOMPARE(shown, QStringLiteral("178s"));

        attach({Panel});
        QTRY_VERIFY(fills(clock, QStringLiteral("panel")));
        // The same window, still counting from where it was.
        QCOMPARE(t.app().screens().loaded(QStringLiteral("Form17")), clock);
        QVERIFY(clock->isVisible());
        QVERIFY(countdown->isActive());
        QCOMPARE(child<QLabel>(clock, QStringLiteral("Label2"))->text(), shown);
        QVERIFY(t.app().displayKeptAwake());

        // Plugged in again, the next hall screen goes back to the projector.
        attach({Panel, Projector});
        clock->close();
        QVERIFY(menu->isVisible());
        QTest::mouseClick(child<QPushButton>(menu, QStringLiteral("Command5")), Qt::LeftButton);
        QVERIFY(fills(t.app().screens().loaded(QStringLiteral("Form7")), QStringLiteral("projector")));
    }

    void withOneDisplayNothingMoves()
    {
        attach({Panel});
        TestApp t;
        MainMenu *menu = openScreen<MainMenu>(t);
        QTest::mouseClick(child<QPushButton>(menu, QStringLiteral("Command37")), Qt::LeftButton);
        Screen *clock = t.app().screens().loaded(QStringLiteral("Form17"));
        QVERIFY(fills(clock, QStringLiteral("panel")));
    }
};

int main(int argc, char *argv[])
{
    // The headless platform starts with both displays, described in a file beside the test.
    const QString configFile = QStringLiteral("hall-displays.json");
    QFile config(configFile);
    if (!config.open(QIODevice::WriteOnly) || config.write(QJsonDocument(displays({Panel, Projector})).toJson()) < 0)
        return 1;
    config.close();
    qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("offscreen:configfile=") + configFile.toUtf8());
    QApplication app(argc, argv);
    TestHallDisplay test;
    const int failures = QTest::qExec(&test, argc, argv);
    QFile::remove(configFile);
    return failures;
}

#include "test_hall_display.moc"
