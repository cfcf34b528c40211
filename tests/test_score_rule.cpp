#include "core/score_rule.h"

#include <QTest>

#include <cmath>
#include <limits>

using namespace Dovrel;

class TestScoreRule : public QObject
{
    Q_OBJECT

private slots:
    void readsTheLeadingNumber_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<float>("value");

        QTest::newRow("plain") << QStringLiteral("87.5") << 87.5f;
        QTest::newRow("unit after it") << QStringLiteral("88分") << 88.0f;
        QTest::newRow("blanks anywhere") << QStringLiteral(" 9 0 ") << 90.0f;
        QTest::newRow("tabs and line feeds") << QStringLiteral("\t8\n7.\t5") << 87.5f;
        QTest::newRow("letters") << QStringLiteral("abc") << 0.0f;
        QTest::newRow("empty") << QString() << 0.0f;
        QTest::newRow("point alone") << QStringLiteral(".") << 0.0f;
        QTest::newRow("sign alone") << QStringLiteral("-") << 0.0f;
        QTest::newRow("negative") << QStringLiteral("-3") << -3.0f;
        QTest::newRow("plus sign") << QStringLiteral("+4.25") << 4.25f;
        QTest::newRow("sign after blanks") << QStringLiteral(" - 2") << -2.0f;
        QTest::newRow("two signs") << QStringLiteral("+-5") << 0.0f;
        QTest::newRow("no leading digit") << QStringLiteral(".5") << 0.5f;
        QTest::newRow("trailing point") << QStringLiteral("5.") << 5.0f;
        QTest::newRow("second point stops") << QStringLiteral("1.2.3") << 1.2f;
        QTest::newRow("comma is no point") << QStringLiteral("87,5") << 87.0f;
        QTest::newRow("exponent") << QStringLiteral("1E2") << 100.0f;
        QTest::newRow("small e") << QStringLiteral("1e2") << 100.0f;
        QTest::newRow("negative exponent") << QStringLiteral("25E-1") << 2.5f;
        QTest::newRow("exponent without digits") << QStringLiteral("7E") << 7.0f;
        QTest::newRow("exponent sign without digits") << QStringLiteral("7E+x") << 7.0f;
        QTest::newRow("blanks in exponent") << QStringLiteral("1 E - 1") << 0.1f;
        QTest::newRow("full-width digits are not digits") << QStringLiteral("９０") << 0.0f;
        QTest::newRow("full-width blank stops") << QStringLiteral("8\u30009") << 8.0f;
        QTest::newRow("beyond single precision counts as 0") << QStringLiteral("1e39") << 0.0f;
        QTest::newRow("beyond double as well") << QStringLiteral("-1e400") << 0.0f;
        QTest::newRow("too small to hold") << QStringLiteral("1e-50") << 0.0f;
        QTest::newRow("largest single") << QStringLiteral("3.4028235e38") << std::numeric_limits<float>::max();
        // Straight to single precision: through double it would round twice, to the tie and then to 1.
        QTest::newRow("rounded once") << QStringLiteral("1.000000059604644775390625000001") << 1.00000012f;
        QTest::newRow("more digits than single precision") << QStringLiteral("123456789") << 123456792.0f;
    }

    void readsTheLeadingNumber()
    {
        QFETCH(QString, text);
        QFETCH(float, value);
        QCOMPARE(readScore(text), value);
    }

    void formatsForDisplay_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");

        QTest::newRow("fraction") << QStringLiteral("87.5") << QStringLiteral(" 87.5分");
        QTest::newRow("whole") << QStringLiteral("90") << QStringLiteral(" 90分");
        QTest::newRow("zero") << QStringLiteral("0") << QStringLiteral(" 0分");
        QTest::newRow("minus zero") << QStringLiteral("-0") << QStringLiteral(" 0分");
        QTest::newRow("below one") << QStringLiteral("0.5") << QStringLiteral(" .5分");
        QTest::newRow("negative") << QStringLiteral("-3") << QStringLiteral("-3分");
        QTest::newRow("negative below one") << QStringLiteral("-0.25") << QStringLiteral("-.25分");
        QTest::newRow("not exact in binary") << QStringLiteral("87.35") << QStringLiteral(" 87.35分");
        QTest::newRow("trailing zeros") << QStringLiteral("86.000") << QStringLiteral(" 86分");
        QTest::newRow("unreadable") << QStringLiteral("abc") << QStringLiteral(" 0分");
        QTest::newRow("seven digits") << QStringLiteral("12345.67") << QStringLiteral(" 12345.67分");
        QTest::newRow("eight digits rounded") << QStringLiteral("99.999999") << QStringLiteral(" 100分");
        QTest::newRow("large, in full") << QStringLiteral("123456789") << QStringLiteral(" 123456800分");
        QTest::newRow("rounding carries") << QStringLiteral("1.9999996") << QStringLiteral(" 2分");
        // Held as 0.00999999977648…: the carry runs through all seven digits.
        QTest::newRow("carry adds a digit") << QStringLiteral("0.01") << QStringLiteral(" .01分");
        QTest::newRow("carry, large") << QStringLiteral("1e11") << QStringLiteral(" 100000000000分");
        QTest::newRow("half rounds up") << QStringLiteral("100000.25") << QStringLiteral(" 100000.3分");
        QTest::newRow("negative half rounds away") << QStringLiteral("-100000.25") << QStringLiteral("-100000.3分");
        QTest::newRow("small") << QStringLiteral("0.000123") << QStringLiteral(" .000123分");
        QTest::newRow("tiny, no exponent") << QStringLiteral("1e-10") << QStringLiteral(" .0000000001分");
        QTest::newRow("largest single") << QStringLiteral("3.4028235e38")
                                        << QStringLiteral(" 340282300000000000000000000000000000000分");
        QTest::newRow("overflow") << QStringLiteral("1e39") << QStringLiteral(" 0分");
    }

    void formatsForDisplay()
    {
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        QCOMPARE(formatScore(readScore(typed)), shown);
    }

    void valuesThatCannotComeFromAScoreShowAsZero()
    {
        QCOMPARE(formatScore(std::numeric_limits<float>::infinity()), QStringLiteral(" 0分"));
        QCOMPARE(formatScore(-std::numeric_limits<float>::infinity()), QStringLiteral(" 0分"));
        QCOMPARE(formatScore(std::nanf("")), QStringLiteral(" 0分"));
        QCOMPARE(formatScore(std::numeric_limits<float>::denorm_min()),
                 QStringLiteral(" .000000000000000000000000000000000000000000001401298分"));
    }

    void decidesTheWinner_data()
    {
        QTest::addColumn<QString>("affirmative");
        QTest::addColumn<QString>("negative");
        QTest::addColumn<QString>("winner");

        QTest::newRow("affirmative") << QStringLiteral("87.5") << QStringLiteral("86") << QStringLiteral("甲队");
        QTest::newRow("negative") << QStringLiteral("86") << QStringLiteral("87.5") << QStringLiteral("乙队");
        QTest::newRow("equal") << QStringLiteral("100") << QStringLiteral("100") << QStringLiteral("互为平手！");
        QTest::newRow("equal in single precision")
            << QStringLiteral("100.000001") << QStringLiteral("100.000002") << QStringLiteral("互为平手！");
        QTest::newRow("rounds to the other")
            << QStringLiteral("99.9999999") << QStringLiteral("100") << QStringLiteral("互为平手！");
        QTest::newRow("different texts, same number")
            << QStringLiteral("90.0") << QStringLiteral("90分") << QStringLiteral("互为平手！");
        QTest::newRow("both unreadable") << QStringLiteral("x") << QString() << QStringLiteral("互为平手！");
        QTest::newRow("minus zero is zero")
            << QStringLiteral("-0") << QStringLiteral("0") << QStringLiteral("互为平手！");
        QTest::newRow("close but apart") << QStringLiteral("99.99") << QStringLiteral("100") << QStringLiteral("乙队");
        QTest::newRow("negative totals") << QStringLiteral("-1") << QStringLiteral("-2") << QStringLiteral("甲队");
    }

    void decidesTheWinner()
    {
        QFETCH(QString, affirmative);
        QFETCH(QString, negative);
        QFETCH(QString, winner);
        const ContestResult result = contestResult(affirmative, negative);
        QCOMPARE(winnerText(result.winner, QStringLiteral("甲队"), QStringLiteral("乙队")), winner);
        QCOMPARE(result.affirmativeTotal, formatScore(readScore(affirmative)));
        QCOMPARE(result.negativeTotal, formatScore(readScore(negative)));
    }
};

QTEST_APPLESS_MAIN(TestScoreRule)
#include "test_score_rule.moc"
