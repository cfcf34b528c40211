#include "menu/main_menu.h"
#include "menu/program.h"
#include "shell/application.h"
#include "support/screens.h"
#include "support/test_app.h"
#include "support/widgets.h"
#include "unattended.h"
#include "viewers/viewer_screen.h"
#include "viewers/viewer_service.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QSettings>
#include <QTcpSocket>
#include <QTest>
#include <QTimer>

using namespace Dovrel;
using namespace Dovrel::Testing;

class TestViewerScreen : public QObject
{
    Q_OBJECT

private slots:
    void theSwitchServesThePhonesAndIsRemembered()
    {
        TestApp t;
        const quint16 port = Unattended::freePort();
        QSettings(t.configPath(QStringLiteral("Dovrel.ini")), QSettings::IniFormat)
            .setValue(QStringLiteral("viewers/port"), port);
        MainMenu *menu = openScreen<MainMenu>(t);
        click(menu, QStringLiteral("Command49"));
        Screen *screen = t.app().screens().loaded(QStringLiteral("Form24"));
        QVERIFY(screen && screen->isVisible() && menu->isVisible());
        // Off by default: nothing listens.
        QVERIFY(!child<QCheckBox>(screen, QStringLiteral("Check1"))->isChecked());
        QVERIFY(!viewerService(t.app()).server().isListening());
        QVERIFY(!child<QPushButton>(screen, QStringLiteral("Command1"))->isEnabled());

        click(screen, QStringLiteral("Check1"));
        QVERIFY(viewerService(t.app()).server().isListening());
        QCOMPARE(viewerService(t.app()).port(), port);
        QVERIFY(t.app().programSettings().viewersEnabled());
        QVERIFY(child<QTimer>(screen, QStringLiteral("Timer2"))->isActive());
        QCOMPARE(child<QLabel>(screen, QStringLiteral("Label4"))->text(), QStringLiteral("正在观看的手机：0 台"));
        QTcpSocket phone;
        phone.connectToHost(QHostAddress::LocalHost, port);
        QVERIFY(QTest::qWaitFor([&] { return phone.state() == QAbstractSocket::ConnectedState; }));
        phone.write("GET /events HTTP/1.1\r\n\r\n");
        QTRY_COMPARE(child<QLabel>(screen, QStringLiteral("Label4"))->text(), QStringLiteral("正在观看的手机：1 台"));
        QVERIFY(!child<QTimer>(screen, QStringLiteral("Timer2"))->isActive());

        // The code goes up on the hall's display, and a key takes it down.
        click(screen, QStringLiteral("Command1"));
        QWidget *hallCode = nullptr;
        for (QWidget *window : QApplication::topLevelWidgets())
            if (window->objectName() == QLatin1String("HallCode") && window->isVisible())
                hallCode = window;
        QVERIFY(hallCode && hallCode->windowState().testFlag(Qt::WindowMaximized));
        QTest::keyClick(hallCode, Qt::Key_Escape);
        QVERIFY(!hallCode->isVisible());

        // The server goes on serving while the screen is closed, and the next run starts it at once.
        closeScreen(screen);
        QCOMPARE(viewerService(t.app()).viewerCount(), 1);
        phone.abort();
        ScriptedPlatform platform;
        t.app().exitProgram();
        // As the process ends, the port is free again.
        viewerService(t.app()).server().close();
        {
            Program again(t.dir(), platform);
            again.start();
            QVERIFY(viewerService(again).server().isListening());
            viewerService(again).setEnabled(false);
        }
        QVERIFY(!t.app().programSettings().viewersEnabled());
    }

    void noViewerAfterAWhileMayMeanAFirewall()
    {
        TestApp t;
        QSettings(t.configPath(QStringLiteral("Dovrel.ini")), QSettings::IniFormat)
            .setValue(QStringLiteral("viewers/port"), Unattended::freePort());
        ViewerScreen *screen = openOverMenu<ViewerScreen>(t);
        click(screen, QStringLiteral("Check1"));
        tick(child<QTimer>(screen, QStringLiteral("Timer2")));
        QVERIFY(child<QLabel>(screen, QStringLiteral("Label5"))->text().contains(QStringLiteral("防火墙")));
        click(screen, QStringLiteral("Check1"));
        QVERIFY(!viewerService(t.app()).server().isListening());
        QVERIFY(child<QLabel>(screen, QStringLiteral("Label5"))->text().isEmpty());
    }
};

QTEST_MAIN(TestViewerScreen)
#include "test_viewer_screen.moc"
