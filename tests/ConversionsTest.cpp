#include "shell/Conversions.h"

#include <QTest>

using namespace pelmaroos::shell;

class ConversionsTest final : public QObject
{
    Q_OBJECT

private slots:
    void numbersBecomeText_data()
    {
        QTest::addColumn<double>("number");
        QTest::addColumn<QString>("text");
        QTest::newRow("zero") << 0.0 << QStringLiteral("0");
        QTest::newRow("whole") << 18.0 << QStringLiteral("18");
        QTest::newRow("negative") << -7.0 << QStringLiteral("-7");
        QTest::newRow("fraction") << 2.5 << QStringLiteral("2.5");
        QTest::newRow("large whole") << 123456789.0 << QStringLiteral("123456789");
    }

    void numbersBecomeText()
    {
        QFETCH(double, number);
        QFETCH(QString, text);
        QCOMPARE(numberToText(number), text);
    }

    void integersBecomeText()
    {
        QCOMPARE(numberToText(std::int16_t(6)), QStringLiteral("6"));
        QCOMPARE(numberToText(std::int16_t(-32768)), QStringLiteral("-32768"));
    }

    void textBecomesNumbers_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("number");
        QTest::newRow("digit") << QStringLiteral("6") << 6.0;
        QTest::newRow("two digits") << QStringLiteral("18") << 18.0;
        QTest::newRow("blanks around") << QStringLiteral(" 9 ") << 9.0;
        QTest::newRow("fraction") << QStringLiteral("17.5") << 17.5;
        QTest::newRow("negative") << QStringLiteral("-3") << -3.0;
    }

    void textBecomesNumbers()
    {
        QFETCH(QString, text);
        QFETCH(double, number);
        QCOMPARE(textToNumber(text), number);
    }
};

QTEST_GUILESS_MAIN(ConversionsTest)
#include "ConversionsTest.moc"
