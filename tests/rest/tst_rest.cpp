// Rest: prices, capped mood gains and the refusal for too little money.
#include "rest/Rest.h"

#include <QtTest>

class RestTest : public QObject {
    Q_OBJECT

private slots:
    void activityRaisesMoodUpTo100_data();
    void activityRaisesMoodUpTo100();
    void tooLittleMoneyChangesNothing_data();
    void tooLittleMoneyChangesNothing();
    void messagesEndAsTheGameWritesThem();
};

void RestTest::activityRaisesMoodUpTo100_data()
{
    QTest::addColumn<QString>("label");
    QTest::addColumn<float>("mood");
    QTest::addColumn<int>("money");
    QTest::addColumn<float>("moodAfter");
    QTest::addColumn<int>("moneyAfter");
    QTest::addColumn<QString>("message");
    QTest::newRow("television at 95") << "Label1" << 95.0f << 100 << 100.0f << 65 << "Настроение повысилось на 10 %>";
    QTest::newRow("television at 90") << "Label1" << 90.0f << 100 << 100.0f << 65 << "Настроение повысилось на 10 %>";
    QTest::newRow("television at 89.5") << "Label1" << 89.5f << 100 << 99.5f << 65 << "Настроение повысилось на 10 %>";
    QTest::newRow("park, money equal to the price") << "Label2" << 50.0f << 50 << 70.0f << 0 << "Настроение повысилось на 20 %>";
    QTest::newRow("cafe at 70.5") << "Label3" << 70.5f << 100 << 100.0f << 20 << "Настроение повысилось на 30 %>";
    QTest::newRow("club at 50") << "Label4" << 50.0f << 150 << 100.0f << 0 << "Настроение повысилось на 50 %>";
    QTest::newRow("restaurant at 10") << "Label5" << 10.0f << 300 << 100.0f << 30 << "Настроение повысилось до 100 %>";
    QTest::newRow("restaurant at 0.5") << "Label5" << 0.5f << 270 << 100.0f << 0 << "Настроение повысилось до 100 %>";
    QTest::newRow("full mood is charged in full") << "Label4" << 100.0f << 200 << 100.0f << 50 << "Настроение повысилось на 50 %>";
}

void RestTest::activityRaisesMoodUpTo100()
{
    QFETCH(QString, label);
    QFETCH(float, mood);
    QFETCH(int, money);
    QFETCH(float, moodAfter);
    QFETCH(int, moneyAfter);
    QFETCH(QString, message);
    GameState g;
    g.mood = mood;
    g.money = Currency::fromRoubles(money);
    QCOMPARE(chooseRestActivity(g, *restActivityNamed(label)), Message::plain(message));
    QCOMPARE(g.mood, moodAfter);
    QCOMPARE(g.money, Currency::fromRoubles(moneyAfter));
}

void RestTest::tooLittleMoneyChangesNothing_data()
{
    QTest::addColumn<QString>("label");
    QTest::addColumn<qint64>("moneyUnits");
    QTest::newRow("34 for television") << "Label1" << qint64(34 * Currency::UnitsPerRouble);
    QTest::newRow("a hair short of the restaurant") << "Label5" << qint64(270 * Currency::UnitsPerRouble - 1);
    QTest::newRow("in debt") << "Label2" << qint64(-1 * Currency::UnitsPerRouble);
}

void RestTest::tooLittleMoneyChangesNothing()
{
    QFETCH(QString, label);
    QFETCH(qint64, moneyUnits);
    GameState g;
    g.mood = 40.0f;
    g.money = Currency::fromUnits(moneyUnits);
    const GameState before = g;
    QCOMPARE(chooseRestActivity(g, *restActivityNamed(label)),
             Message::plain(QStringLiteral("Не хватает денег!")));
    QVERIFY(g == before);
}

void RestTest::messagesEndAsTheGameWritesThem()
{
    // Descriptions carry four blanks each side of the dash; the messages end in "%>".
    for (const RestActivity& a : restActivities) {
        const QString description = QString::fromUtf8(a.description);
        QVERIFY2(description.contains(QStringLiteral("%    -    %1 р.").arg(a.price)), a.label);
        QVERIFY2(description.startsWith(QStringLiteral("Настроение + %1 %").arg(a.gain)), a.label);
        QVERIFY2(QString::fromUtf8(a.message).endsWith(QStringLiteral("%1 %>").arg(a.gain)), a.label);
    }
}

QTEST_APPLESS_MAIN(RestTest)
#include "tst_rest.moc"
