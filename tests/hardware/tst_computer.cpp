// Buying and exchanging parts, the disk rules, the price texts, the summary, the page's "Да"
// and the complete-computer condition.
#include "hardware/Computer.h"
#include "hardware/Parts.h"

#include <QtTest>

using G = GameState;
using LabelList = QStringList;

namespace {
const Part& part(const char* label)
{
    const Part* p = partWithLabel(QLatin1String(label));
    if (!p)
        qFatal("no part %s", label);
    return *p;
}

void own(GameState& g, const QStringList& labels)
{
    for (const QString& label : labels)
        g.*part(label.toLatin1().constData()).owned = True;
}

QStringList ownedLabels(const GameState& g)
{
    QStringList labels;
    for (const Part& p : parts) {
        if (isSet(g.*p.owned))
            labels << QLatin1String(p.label);
    }
    return labels;
}

QStringList labelsOf(const std::vector<const Part*>& list)
{
    QStringList labels;
    for (const Part* p : list)
        labels << QLatin1String(p->label);
    return labels;
}

// One part of every required category: the cheapest complete computer (100+90+70+30+28+100+30).
const QStringList cheapestComputer{
    "lblSoket478_ECS", "lblHDD_20GB_SEAGATE_5400rpm", "lblCELERON_1200_MHz",
    "lblDIMM_128MB_168pin_SDRAM", "lblAGP_32M_RIVA_TNT2_M64", "lblm15_LG_500E",
    "lblCD_ROM_SAMSUNG_x52"};
} // namespace

class ComputerTest : public QObject {
    Q_OBJECT

private slots:
    void aClickBuysOrExchanges_data();
    void aClickBuysOrExchanges();
    void hardDiskCapacityAndFreeSpace_data();
    void hardDiskCapacityAndFreeSpace();
    void hoverShowsThePrice_data();
    void hoverShowsThePrice();

    void diskBarShowsTheUsedSpace_data();
    void diskBarShowsTheUsedSpace();
    void confirmShowsCapacityBarAndSummary();
    void summaryKeepsTheLabelOfAnEmptyCategory();
    void loadedGameTakesItsCapacityFromTheDisk_data();
    void loadedGameTakesItsCapacityFromTheDisk();

    void completeComputer_data();
    void completeComputer();

    void ownedPartIsTheFirstInTableOrder();
    void labelsCaptionsAndFlagsAreUnique();
};

void ComputerTest::aClickBuysOrExchanges_data()
{
    QTest::addColumn<int>("money");
    QTest::addColumn<LabelList>("ownedBefore");
    QTest::addColumn<QString>("clicked");
    QTest::addColumn<bool>("bought");
    QTest::addColumn<int>("moneyAfter");
    QTest::addColumn<LabelList>("ownedAfter");
    QTest::addColumn<LabelList>("enabledAgain");

    QTest::newRow("empty category")
        << 550 << LabelList{} << "lblAGP_128M_Geforce4_Ti4200" << true << 506
        << LabelList{"lblAGP_128M_Geforce4_Ti4200"} << LabelList{};
    QTest::newRow("money exactly the price leaves 0")
        << 8 << LabelList{} << "lblPCI_CMEDIA_CMI8738" << true << 0
        << LabelList{"lblPCI_CMEDIA_CMI8738"} << LabelList{};
    QTest::newRow("one rouble short does nothing")
        << 7 << LabelList{} << "lblPCI_CMEDIA_CMI8738" << false << 7 << LabelList{}
        << LabelList{};
    QTest::newRow("dearer video card: old back, new paid")
        << 100 << LabelList{"lblAGP_32M_SG_Geforce2_MX400"} << "lblAGP_128M_Geforce4_Ti4200"
        << true << 88 << LabelList{"lblAGP_128M_Geforce4_Ti4200"}
        << LabelList{"lblAGP_32M_SG_Geforce2_MX400"};
    QTest::newRow("exchange needs the full price in hand")
        << 40 << LabelList{"lblAGP_32M_SG_Geforce2_MX400"} << "lblAGP_128M_Geforce4_Ti4200"
        << false << 40 << LabelList{"lblAGP_32M_SG_Geforce2_MX400"} << LabelList{};
    QTest::newRow("cheaper monitor returns the difference")
        << 150 << LabelList{"lblm17_SONY_CPD_E215E"} << "lblm17_SAMSUNG_757DFX" << true << 200
        << LabelList{"lblm17_SAMSUNG_757DFX"} << LabelList{"lblm17_SONY_CPD_E215E"};
    QTest::newRow("the reverse costs the difference")
        << 200 << LabelList{"lblm17_SAMSUNG_757DFX"} << "lblm17_SONY_CPD_E215E" << true << 150
        << LabelList{"lblm17_SONY_CPD_E215E"} << LabelList{"lblm17_SAMSUNG_757DFX"};
    QTest::newRow("cheaper exchange still needs the cheaper price")
        << 149 << LabelList{"lblm17_SONY_CPD_E215E"} << "lblm17_SAMSUNG_757DFX" << false << 149
        << LabelList{"lblm17_SONY_CPD_E215E"} << LabelList{};
    QTest::newRow("other categories are left alone")
        << 100 << LabelList{"lblRadiokanal", "lblDIMM_128MB_168pin_SDRAM"}
        << "lblDIMM_512MB_168pin_DDR" << true << 83
        << LabelList{"lblDIMM_512MB_168pin_DDR", "lblRadiokanal"}
        << LabelList{"lblDIMM_128MB_168pin_SDRAM"};
    QTest::newRow("an owned part is not bought again")
        << 550 << LabelList{"lblRadiokanal"} << "lblRadiokanal" << false << 550
        << LabelList{"lblRadiokanal"} << LabelList{};
    QTest::newRow("two old parts from a saved game both go back")
        << 150 << LabelList{"lblSoketA_GA7VA", "lblSoket478_ECS"} << "lblSoketA_JetWay" << true
        << 190 << LabelList{"lblSoketA_JetWay"}
        << LabelList{"lblSoketA_GA7VA", "lblSoket478_ECS"};
}

void ComputerTest::aClickBuysOrExchanges()
{
    QFETCH(int, money);
    QFETCH(LabelList, ownedBefore);
    QFETCH(QString, clicked);
    QFETCH(bool, bought);
    QFETCH(int, moneyAfter);
    QFETCH(LabelList, ownedAfter);
    QFETCH(LabelList, enabledAgain);

    GameState g;
    g.money = Currency::fromRoubles(money);
    own(g, ownedBefore);
    const Part& p = part(clicked.toLatin1().constData());

    const Purchase purchase = buyPart(g, p);

    QCOMPARE(purchase.bought, bought);
    QCOMPARE(purchase.disable, bought ? &p : nullptr);
    QCOMPARE(labelsOf(purchase.enable), enabledAgain);
    QCOMPARE(g.money, Currency::fromRoubles(moneyAfter));
    QStringList expected = ownedAfter;
    QStringList actual = ownedLabels(g);
    expected.sort();
    actual.sort();
    QCOMPARE(actual, expected);
    if (bought)
        QCOMPARE(g.*p.owned, True);
}

void ComputerTest::hardDiskCapacityAndFreeSpace_data()
{
    QTest::addColumn<LabelList>("ownedBefore");
    QTest::addColumn<int>("capacityBefore");
    QTest::addColumn<float>("freeBefore");
    QTest::addColumn<QString>("clicked");
    QTest::addColumn<int>("capacity");
    QTest::addColumn<float>("free");

    QTest::newRow("first disk is empty") << LabelList{} << 0 << 0.0f
                                         << "lblHDD_40GB_IBM_7200rpm" << 40 << 40.0f;
    QTest::newRow("first disk ignores stale numbers") << LabelList{} << 80 << 3.0f
                                                      << "lblHDD120GB_SEAGATE_7200rpm" << 120 << 120.0f;
    QTest::newRow("smaller disk keeps the used space, free goes negative")
        << LabelList{"lblHDD_40GB_MAXTOR_7200rpm"} << 40 << 12.5f
        << "lblHDD_20GB_SEAGATE_7200rpm" << 20 << -7.5f;
    QTest::newRow("bigger disk keeps the used space")
        << LabelList{"lblHDD_40GB_IBM_7200rpm"} << 40 << 30.0f
        << "lblHDD120GB_SEAGATE_7200rpm" << 120 << 110.0f;
    QTest::newRow("same capacity, other price")
        << LabelList{"lblHDD_20GB_SEAGATE_5400rpm"} << 20 << 5.0f
        << "lblHDD_20GB_SEAGATE_7200rpm" << 20 << 5.0f;
    QTest::newRow("another category leaves the disk alone")
        << LabelList{"lblHDD_60GB_SEAGATE_7200rpm"} << 60 << 35.0f << "lblRadiokanal" << 60
        << 35.0f;
}

void ComputerTest::hardDiskCapacityAndFreeSpace()
{
    QFETCH(LabelList, ownedBefore);
    QFETCH(int, capacityBefore);
    QFETCH(float, freeBefore);
    QFETCH(QString, clicked);
    QFETCH(int, capacity);
    QFETCH(float, free);

    GameState g;
    g.money = Currency::fromRoubles(550);
    own(g, ownedBefore);
    g.hddCapacityGb = int16_t(capacityBefore);
    g.hddFreeGb = freeBefore;

    QVERIFY(buyPart(g, part(clicked.toLatin1().constData())).bought);
    QCOMPARE(g.hddCapacityGb, int16_t(capacity));
    QCOMPARE(g.hddFreeGb, free);
}

void ComputerTest::hoverShowsThePrice_data()
{
    QTest::addColumn<LabelList>("owned");
    QTest::addColumn<QString>("hovered");
    QTest::addColumn<QString>("text");

    QTest::newRow("empty category: the price") << LabelList{} << "lblAGP_128M_Geforce4_Ti4200"
                                               << "44 p.";
    QTest::newRow("cheapest part") << LabelList{} << "lblPCI_CMEDIA_CMI8738" << "8 p.";
    QTest::newRow("Cyrillic caption, empty category") << LabelList{} << "lblRadiokanal"
                                                      << "200 p.";
    QTest::newRow("category with a part: sell the old one")
        << LabelList{"lblAGP_32M_SG_Geforce2_MX400"} << "lblAGP_128M_Geforce4_Ti4200"
        << "Если продать старую, тоAGP 128M Geforce4 Ti4200 - 44 p.";
    QTest::newRow("the full price even when cheaper")
        << LabelList{"lblm17_SONY_CPD_E215E"} << "lblm15_LG_500E"
        << "Если продать старую, то15\" LG 500E - 100 p.";
    QTest::newRow("a part of another category does not count")
        << LabelList{"lblAGP_32M_SG_Geforce2_MX400"} << "lblPCI_CMEDIA_CMI8738" << "8 p.";
}

void ComputerTest::hoverShowsThePrice()
{
    QFETCH(LabelList, owned);
    QFETCH(QString, hovered);
    QFETCH(QString, text);

    GameState g;
    own(g, owned);
    QCOMPARE(partPriceText(g, part(hovered.toLatin1().constData())), text);
}

void ComputerTest::diskBarShowsTheUsedSpace_data()
{
    QTest::addColumn<int>("capacity");
    QTest::addColumn<float>("free");
    QTest::addColumn<int>("maximum"); // -1: left as it is
    QTest::addColumn<int>("value");

    QTest::newRow("new disk") << 40 << 40.0f << 40 << 0;
    QTest::newRow("Windows 98 on 40 GB") << 40 << 30.0f << 40 << 10;
    QTest::newRow("half a gigabyte rounds") << 40 << 12.5f << 40 << 28;
    QTest::newRow("full disk") << 20 << 0.0f << 20 << 20;
    QTest::newRow("used space above a smaller disk: full bar") << 20 << -7.5f << 20 << 20;
    QTest::newRow("free above the capacity: empty bar") << 40 << 50.0f << 40 << 0;
    QTest::newRow("no disk: maximum left alone") << 0 << 0.0f << -1 << 0;
}

void ComputerTest::diskBarShowsTheUsedSpace()
{
    QFETCH(int, capacity);
    QFETCH(float, free);
    QFETCH(int, maximum);
    QFETCH(int, value);

    GameState g;
    g.hddCapacityGb = int16_t(capacity);
    g.hddFreeGb = free;
    const DiskBar bar = diskBar(g);
    QCOMPARE(bar.maximum.value_or(-1), maximum);
    QCOMPARE(bar.value, value);
}

void ComputerTest::confirmShowsCapacityBarAndSummary()
{
    GameState g;
    g.money = Currency::fromRoubles(1000);
    for (const char* label : {"lblHDD120GB_SEAGATE_7200rpm", "lblZyXEL_OMNI_NEO_56K",
                              "lblm15_LG_500E"})
        QVERIFY(buyPart(g, part(label)).bought);
    g.hddFreeGb = 100.0f;

    const ComputerConfirmed shown = confirmComputer(g);
    QCOMPARE(shown.lblObiomVint, QStringLiteral("120"));
    QCOMPARE(shown.prgVint, (DiskBar{120, 20}));
    QCOMPARE(shown.summary[size_t(Category::HardDisk)], QStringLiteral("HDD120GB SEAGATE 7200rpm"));
    QCOMPARE(shown.summary[size_t(Category::Monitor)], QStringLiteral("15\" LG 500E"));
    QCOMPARE(shown.summary[size_t(Category::Modem)], QStringLiteral("ZyXEL OMNI NEO 56K"));
    QCOMPARE(confirmComputer(GameState{}).lblObiomVint, QStringLiteral("0"));
}

void ComputerTest::summaryKeepsTheLabelOfAnEmptyCategory()
{
    GameState g;
    own(g, {"lblPCI_SB_Audigy_2_6_1_SB0240"});
    const ComputerSummary summary = computerSummary(g);
    for (const CategoryInfo& c : categories) {
        if (c.category == Category::SoundCard)
            QCOMPARE(summary[size_t(c.category)], QStringLiteral("PCI SB Audigy- 2 6.1 SB0240"));
        else
            QVERIFY2(!summary[size_t(c.category)], c.summaryLabel);
    }
}

void ComputerTest::loadedGameTakesItsCapacityFromTheDisk_data()
{
    QTest::addColumn<LabelList>("owned");
    QTest::addColumn<int>("capacityBefore");
    QTest::addColumn<int>("capacity");

    QTest::newRow("120 GB disk") << LabelList{"lblHDD120GB_SEAGATE_7200rpm"} << 40 << 120;
    QTest::newRow("IBM 40 GB") << LabelList{"lblHDD_40GB_IBM_7200rpm"} << 0 << 40;
    QTest::newRow("no disk leaves it") << LabelList{"lblRadiokanal"} << 60 << 60;
    QTest::newRow("two disks from a broken file: the first")
        << LabelList{"lblHDD_80GB_SEAGATE_7200rpm", "lblHDD_20GB_SEAGATE_7200rpm"} << 0 << 20;
}

void ComputerTest::loadedGameTakesItsCapacityFromTheDisk()
{
    QFETCH(LabelList, owned);
    QFETCH(int, capacityBefore);
    QFETCH(int, capacity);

    GameState g;
    own(g, owned);
    g.hddCapacityGb = int16_t(capacityBefore);
    capacityFromOwnedDisk(g);
    QCOMPARE(g.hddCapacityGb, int16_t(capacity));
}

void ComputerTest::completeComputer_data()
{
    QTest::addColumn<LabelList>("owned");
    QTest::addColumn<bool>("complete");

    QTest::newRow("nothing") << LabelList{} << false;
    QTest::newRow("the seven required parts") << cheapestComputer << true;
    QTest::newRow("with sound card and modem")
        << cheapestComputer + LabelList{"lblPCI_CMEDIA_CMI8738", "lblRadiokanal"} << true;
    QTest::newRow("only sound card and modem")
        << LabelList{"lblPCI_CMEDIA_CMI8738", "lblRadiokanal"} << false;
    QTest::newRow("socket 478 processor on a socket A board, SDRAM")
        << LabelList{"lblSoketA_GA7VA", "lblHDD_40GB_IBM_7200rpm", "lblPentium_4_2400_MHz",
                     "lblDIMM_128MB_168pin_SDRAM", "lblAGP_32M_RIVA_TNT2_M64", "lblm15_LG_500E",
                     "lblCD_ROM_SAMSUNG_x52"}
        << true;
    for (int missing = 0; missing < cheapestComputer.size(); ++missing) {
        LabelList owned = cheapestComputer;
        const QString gone = owned.takeAt(missing);
        QTest::addRow("without %s", qPrintable(gone)) << owned << false;
    }
    QTest::newRow("two boards from a broken file do not count")
        << cheapestComputer + LabelList{"lblSoketA_JetWay"} << false;
}

void ComputerTest::completeComputer()
{
    QFETCH(LabelList, owned);
    QFETCH(bool, complete);

    GameState g;
    own(g, owned);
    QCOMPARE(isComputerComplete(g), complete);
}

void ComputerTest::ownedPartIsTheFirstInTableOrder()
{
    GameState g;
    QCOMPARE(ownedPart(g, Category::Processor), nullptr);
    own(g, {"lblPentium_4_1800_MHz", "lblPentium_III_S_1400_MHz"});
    QCOMPARE(ownedPart(g, Category::Processor), &part("lblPentium_III_S_1400_MHz"));
    QCOMPARE(partWithLabel(u"lblNoSuchPart"), nullptr);
}

void ComputerTest::labelsCaptionsAndFlagsAreUnique()
{
    const GameState g;
    QSet<QString> labels, captions;
    QSet<const Flag*> flags;
    for (const Part& p : parts) {
        labels.insert(QLatin1String(p.label));
        captions.insert(captionOf(p));
        flags.insert(&(g.*p.owned));
    }
    const qsizetype count = qsizetype(parts.size());
    QCOMPARE(labels.size(), count);
    QCOMPARE(captions.size(), count);
    QCOMPARE(flags.size(), count);
}

QTEST_GUILESS_MAIN(ComputerTest)
#include "tst_computer.moc"
