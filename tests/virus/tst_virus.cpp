// Viruses: the infection coin, destroying with an antivirus, and the five outcomes of letting
// a virus pass.
#include "support/RecordingRandom.h"

#include "hardware/Parts.h"
#include "software/Programs.h"
#include "state/GameState.h"
#include "state/Random.h"
#include "virus/Virus.h"
#include "world/NewGame.h"

#include <QtTest>

#include <deque>

using G = GameState;
using FlagList = QList<Flag GameState::*>;
Q_DECLARE_METATYPE(FlagList)
Q_DECLARE_METATYPE(PassOutcome)

namespace {
const QString infected =
    QStringLiteral("В ваш компьютер проник вирус. Вы не воспользовались антивирусом.");
const QString programsGone = QStringLiteral(
    "Вирус удалил все установленные программы. Вы автоматически лишились работы.");

// A player with a whole computer, programs, a job and 40 GB of which 12.5 are free.
GameState equippedPlayer()
{
    GameState g;
    g.playerName = QStringLiteral("Вася");
    newGame(g);
    for (Flag G::*f : {&G::mbEcs, &G::hdd40GbIbm, &G::cpuPentium4At2400, &G::ram512Ddr,
                       &G::videoGf4Ti4200, &G::monitorSonyE215e, &G::cdRwLg24, &G::modemAdsl,
                       &G::soundAudigy2, &G::installedWinXp, &G::installedVfp,
                       &G::installedOffice, &G::installedAntiKasp, &G::knowsVfp,
                       &G::knowsWinXp, &G::antivirusUpdated, &G::virusActive})
        g.*f = True;
    g.hddCapacityGb = 40;
    g.hddFreeGb = 12.5f;
    g.dailyPay = 20;
    g.seniorityPerDay = 2;
    g.seniority = 150;
    g.money = Currency::fromRoubles(300);
    return g;
}

QStringList texts(const std::vector<Message>& messages)
{
    QStringList list;
    for (const Message& n : messages) {
        list.append(n.text);
        if (n != Message::plain(n.text))
            list.append(QStringLiteral("(not a plain message)"));
    }
    return list;
}

QStringList labelsOf(const std::vector<const Part*>& parts)
{
    QStringList list;
    for (const Part* p : parts)
        list.append(QString::fromUtf8(p->label));
    return list;
}

QStringList keysOf(const std::vector<const Program*>& removed)
{
    QStringList list;
    for (const Program* p : removed)
        list.append(QString::fromUtf8(p->key));
    return list;
}

QStringList partLabels(std::initializer_list<Category> categories)
{
    QStringList list;
    for (Category c : categories)
        for (const Part& p : partsOf(c))
            list.append(QString::fromUtf8(p.label));
    return list;
}

bool anyOwned(const GameState& g, Category c)
{
    for (const Part& p : partsOf(c))
        if (isSet(g.*p.owned))
            return true;
    return false;
}
} // namespace

class VirusTest : public QObject {
    Q_OBJECT

private slots:
    void infectionIsAFairCoin_data();
    void infectionIsAFairCoin();
    void destroyingNeedsAnAntivirusAndFreshBases_data();
    void destroyingNeedsAnAntivirusAndFreshBases();
    void outcomeIsDrawnUniformlyFromOneToFive_data();
    void outcomeIsDrawnUniformlyFromOneToFive();

    void programLossDeletesEverythingAndTheJob_data();
    void programLossDeletesEverythingAndTheJob();
    void theftMayLeaveDebt_data();
    void theftMayLeaveDebt();
    void boardAndProcessorAreDestroyed();
    void diskLossRunsProgramLossInFull();
    void noDamageOnlyTellsOfTheInfection();
};

void VirusTest::infectionIsAFairCoin_data()
{
    QTest::addColumn<int>("draw");
    QTest::addColumn<Flag>("virusActive");
    QTest::newRow("heads") << 1 << True;
    QTest::newRow("tails") << 0 << False;
}

void VirusTest::infectionIsAFairCoin()
{
    QFETCH(int, draw);
    QFETCH(Flag, virusActive);
    GameState g = equippedPlayer();
    g.virusActive = toFlag(!isSet(virusActive));
    RecordingRandom random;
    random.values = {draw};
    QCOMPARE(catchVirus(g, random), isSet(virusActive));
    QCOMPARE(g.virusActive, virusActive);
    QCOMPARE(random.asked, QList<int>{2});
}

void VirusTest::destroyingNeedsAnAntivirusAndFreshBases_data()
{
    QTest::addColumn<FlagList>("flags");
    QTest::addColumn<bool>("destroyed");
    QTest::newRow("Dr. Web, updated") << FlagList{&G::installedAntiDr, &G::antivirusUpdated}
                                      << true;
    QTest::newRow("Norton, updated") << FlagList{&G::installedAntiNorton, &G::antivirusUpdated}
                                     << true;
    QTest::newRow("Kaspersky, updated") << FlagList{&G::installedAntiKasp, &G::antivirusUpdated}
                                        << true;
    QTest::newRow("installed, bases stale") << FlagList{&G::installedAntiKasp} << false;
    QTest::newRow("updated, antivirus since lost") << FlagList{&G::antivirusUpdated} << false;
    QTest::newRow("nothing") << FlagList{} << false;
}

void VirusTest::destroyingNeedsAnAntivirusAndFreshBases()
{
    QFETCH(FlagList, flags);
    QFETCH(bool, destroyed);
    GameState g;
    g.playerName = QStringLiteral("Вася");
    newGame(g);
    g.virusActive = True;
    for (Flag G::*f : flags)
        g.*f = True;
    const GameState before = g;
    const DestroyResult result = destroyVirus(g);
    QCOMPARE(result.closes, destroyed);
    QCOMPARE(result.message, Message::plain(result.message.text));
    if (destroyed) {
        QCOMPARE(result.message.text, QStringLiteral("Вам удалось уничтожить вирус!"));
        QCOMPARE(g.virusActive, False);
        g.virusActive = True;
    } else {
        QCOMPARE(result.message.text, QStringLiteral("Антивирус не установлен или обновление "
                                                    "антивирусных баз устарело!"));
    }
    QVERIFY(g == before); // nothing but the virus itself changes
}

void VirusTest::outcomeIsDrawnUniformlyFromOneToFive_data()
{
    QTest::addColumn<int>("draw");
    QTest::addColumn<PassOutcome>("outcome");
    QTest::newRow("0") << 0 << PassOutcome::ProgramsDeleted;
    QTest::newRow("1") << 1 << PassOutcome::MoneyStolen;
    QTest::newRow("2") << 2 << PassOutcome::BoardAndCpuLost;
    QTest::newRow("3") << 3 << PassOutcome::DiskLost;
    QTest::newRow("4") << 4 << PassOutcome::NoDamage;
}

void VirusTest::outcomeIsDrawnUniformlyFromOneToFive()
{
    QFETCH(int, draw);
    QFETCH(PassOutcome, outcome);
    RecordingRandom random;
    random.values = {draw};
    QCOMPARE(drawPassOutcome(random), outcome);
    QCOMPARE(random.asked, QList<int>{5});
}

void VirusTest::programLossDeletesEverythingAndTheJob_data()
{
    QTest::addColumn<int>("dailyPay");
    QTest::addColumn<QString>("jobLabel"); // empty: no job entry to give back
    QTest::newRow("programmer at 20") << 20 << "lblProg2";
    QTest::newRow("typesetter at 3") << 3 << "lblVerst";
    QTest::newRow("web master at 30") << 30 << "lblWebM";
    QTest::newRow("unemployed") << 1 << "";
    QTest::newRow("a wage no job pays") << 7 << "";
}

void VirusTest::programLossDeletesEverythingAndTheJob()
{
    QFETCH(int, dailyPay);
    QFETCH(QString, jobLabel);
    GameState g = equippedPlayer();
    g.dailyPay = int16_t(dailyPay);
    GameState expected = g;
    for (const Program& p : programs)
        expected.*p.installed = False;
    expected.dailyPay = 1;
    expected.hddFreeGb = 40.0f;

    const PassResult r = letVirusPass(g, PassOutcome::ProgramsDeleted);
    QCOMPARE(texts(r.messages), (QStringList{infected, programsGone}));
    QVERIFY(g == expected); // skills, seniority per day, parts and money are untouched
    QCOMPARE(keysOf(r.damage.programsRemoved),
             (QStringList{"wXP", "DSVFP", "PrOffice", "Kasp"}));
    QCOMPARE(r.damage.jobSelectable.value_or(QString()), jobLabel);
    QCOMPARE(r.damage.lblRab, QStringLiteral("Безаботныц - пособие 1 р./день"));
    QCOMPARE(r.damage.diskUsed, 0);
    QVERIFY(r.damage.partsBuyable.empty());
    QVERIFY(!r.damage.lblMBoard && !r.damage.lblProc && !r.damage.lblVint);
}

void VirusTest::theftMayLeaveDebt_data()
{
    QTest::addColumn<int>("money");
    QTest::addColumn<int>("moneyAfter");
    QTest::newRow("300 leaves -200") << 300 << -200;
    QTest::newRow("exactly 500") << 500 << 0;
    QTest::newRow("rich") << 2000 << 1500;
    QTest::newRow("in debt already") << -10 << -510;
}

void VirusTest::theftMayLeaveDebt()
{
    QFETCH(int, money);
    QFETCH(int, moneyAfter);
    GameState g = equippedPlayer();
    g.money = Currency::fromRoubles(money);
    GameState expected = g;
    expected.money = Currency::fromRoubles(moneyAfter);
    const PassResult r = letVirusPass(g, PassOutcome::MoneyStolen);
    QCOMPARE(texts(r.messages),
             (QStringList{infected, QStringLiteral("Вирус перевёл с вашего счёта 500 р. Поздравляю!")}));
    QVERIFY(g == expected);
}

void VirusTest::boardAndProcessorAreDestroyed()
{
    GameState g = equippedPlayer();
    GameState expected = g;
    expected.mbEcs = False;
    expected.cpuPentium4At2400 = False;
    const PassResult r = letVirusPass(g, PassOutcome::BoardAndCpuLost);
    QVERIFY(g == expected);
    QCOMPARE(texts(r.messages),
             (QStringList{infected, QStringLiteral("Товарищ Вася , в результате воздействия вируса "
                                                   "у вас накрылись плата ЦП и процессор.")}));
    QCOMPARE(labelsOf(r.damage.partsBuyable),
             partLabels({Category::Motherboard, Category::Processor}));
    QCOMPARE(r.damage.lblMBoard, QStringLiteral("..."));
    QCOMPARE(r.damage.lblProc, QStringLiteral("..."));
    QVERIFY(!r.damage.lblVint && !r.damage.lblRab && r.damage.programsRemoved.empty());
}

void VirusTest::diskLossRunsProgramLossInFull()
{
    GameState g = equippedPlayer();
    const PassResult r = letVirusPass(g, PassOutcome::DiskLost);
    QCOMPARE(texts(r.messages),
             (QStringList{infected, programsGone,
                          QStringLiteral("Да, забыл сказать, винчестер-то накрылся!\r\n"
                                         "Советую купить новый!")}));
    QVERIFY(!anyOwned(g, Category::HardDisk));
    QVERIFY(anyOwned(g, Category::Motherboard) && anyOwned(g, Category::Processor));
    QCOMPARE(g.hddCapacityGb, int16_t(0));
    QCOMPARE(g.hddFreeGb, 0.0f);
    QCOMPARE(g.dailyPay, int16_t(1));
    for (const Program& p : programs)
        QCOMPARE(g.*p.installed, False);
    QCOMPARE(g.knowsVfp, True);
    QCOMPARE(g.seniorityPerDay, uint8_t(2));
    QCOMPARE(labelsOf(r.damage.partsBuyable), partLabels({Category::HardDisk}));
    QCOMPARE(r.damage.programsRemoved.size(), size_t(4));
    QCOMPARE(r.damage.jobSelectable, QStringLiteral("lblProg2"));
    QCOMPARE(r.damage.lblRab, QStringLiteral("Безаботныц - пособие 1 р./день"));
    QCOMPARE(r.damage.diskUsed, 0);
    QCOMPARE(r.damage.lblVint, QStringLiteral("..."));
    QCOMPARE(r.damage.lblObiomVint, QStringLiteral("."));
}

void VirusTest::noDamageOnlyTellsOfTheInfection()
{
    GameState g = equippedPlayer();
    const GameState before = g;
    const PassResult r = letVirusPass(g, PassOutcome::NoDamage);
    QCOMPARE(texts(r.messages), QStringList{infected});
    QVERIFY(g == before);
    QVERIFY(r.damage.partsBuyable.empty() && r.damage.programsRemoved.empty());
    QVERIFY(!r.damage.lblRab && !r.damage.diskUsed);
}

QTEST_GUILESS_MAIN(VirusTest)
#include "tst_virus.moc"
