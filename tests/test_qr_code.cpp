#include "viewers/qr_code.h"

#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace Dovrel;

class TestQrCode : public QObject
{
    Q_OBJECT

    static constexpr int Quiet = 4;

    static bool dark(const QImage &image, int x, int y)
    {
        return image.pixel(x, y) == qRgb(0, 0, 0);
    }

    // A finder pattern with its top left corner here: 7 × 7 modules, dark but for a light ring around the 3 × 3 centre.
    static bool finderAt(const QImage &image, int left, int top)
    {
        for (int i = 0; i < 49; ++i) {
            if (dark(image, left + i % 7, top + i / 7) != (qMax(qAbs(i % 7 - 3), qAbs(i / 7 - 3)) != 2))
                return false;
        }
        return true;
    }

private slots:
    void drawsTheCode_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("version");
        QTest::newRow("digits in numeric mode") << QStringLiteral("12345678901234567890") << 1;
        QTest::newRow("viewer address") << QStringLiteral("http://192.168.1.20:8080/") << 2;
        // 15 bytes of UTF-8: version 1 holds them at level L, not at M.
        QTest::newRow("Chinese") << QStringLiteral("辩论赛计时") << 2;
        QTest::newRow("longest at level M") << QString(2331, QLatin1Char('a')) << 40;
    }

    void drawsTheCode()
    {
        QFETCH(QString, text);
        QFETCH(int, version);
        const QImage image = qrCodeImage(text);
        const int modules = 17 + 4 * version, far = Quiet + modules - 7;
        QCOMPARE(image.size(), QSize(modules + 2 * Quiet, modules + 2 * Quiet));
        const QRect code(Quiet, Quiet, modules, modules);
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x)
                QVERIFY(code.contains(x, y) || !dark(image, x, y));
        }
        QVERIFY(finderAt(image, Quiet, Quiet) && finderAt(image, far, Quiet) && finderAt(image, Quiet, far));
        QVERIFY(!finderAt(image, far, far));
#ifdef Q_OS_WIN
        QSKIP("zbarimg is not reachable from a Windows program");
#endif
        const QString zbarimg = QStandardPaths::findExecutable(QStringLiteral("zbarimg"));
        if (zbarimg.isEmpty())
            QSKIP("zbarimg (zbar-tools) is not installed");
        QTemporaryDir dir;
        const QString png = dir.filePath(QStringLiteral("code.png"));
        QVERIFY(image.scaled(image.size() * 8).save(png));
        QProcess zbar;
        zbar.start(zbarimg, {QStringLiteral("--quiet"), QStringLiteral("--raw"), QStringLiteral("-Sbinary"), png});
        QVERIFY(zbar.waitForFinished(60000));
        QCOMPARE(zbar.readAllStandardOutput(), text.toUtf8());
    }

    void tooLongGivesNoImage()
    {
        QVERIFY(qrCodeImage(QString(2332, QLatin1Char('a'))).isNull());
    }
};

QTEST_GUILESS_MAIN(TestQrCode)
#include "test_qr_code.moc"
