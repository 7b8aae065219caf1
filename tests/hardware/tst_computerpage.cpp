// The computer page through real input: every part under its panel and readable, the price
// line while the pointer rests on a part, buying and exchanging by a click, the hover reset
// from the panels, "Да" with the summary, the disk bar and the capacity, and a loaded game.
#include "support/GameHarness.h"

#include "kit/Colours.h"
#include "kit/Controls.h"
#include "hardware/ui/ComputerPage.h"
#include "hardware/Parts.h"

#include <QAction>
#include <QFont>
#include <QStyleFactory>
#include <QLabel>
#include <QProgressBar>
#include <QTabWidget>
#include <QToolBar>

namespace {
constexpr uint32_t Red = 0x0000FF;

void openComputerPage(MainScreen* s)
{
    s->control<QToolBar>("Toolbar1")->findChild<QAction*>(QStringLiteral("Komp"))->trigger();
    QApplication::processEvents();
}

QLabel* label(MainScreen* s, const char* name)
{
    return s->control<QLabel>(name);
}

// The pointer onto an empty corner of a panel, below its last row.
void overPanel(QWidget* panel)
{
    QTest::mouseMove(panel, QPoint(panel->width() - 4, panel->height() - 3));
}

QString priceLine(MainScreen* s)
{
    return caption(s->control("lblShowTsena"));
}
} // namespace

class ComputerPageTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void everyPartSitsInItsPanelUnclipped_data();
    void everyPartSitsInItsPanelUnclipped();
    void pointerShowsThePriceAndAClickBuys();
    void panelsResetTheHover();
    void anOwnedPartIsDisabledAndShowsNothing();
    void tooLittleMoneyBuysNothing();
    void daShowsSummaryDiskBarAndCapacity();
    void smallerDiskShowsAFullBar();
    void refreshFollowsALoadedGame();
};

void ComputerPageTest::everyPartSitsInItsPanelUnclipped_data()
{
    QTest::addColumn<QString>("name");
    for (const Part& p : parts)
        QTest::newRow(p.label) << QString::fromLatin1(p.label);
}

void ComputerPageTest::everyPartSitsInItsPanelUnclipped()
{
    QFETCH(QString, name);
    FlowHarness h;
    MainScreen* s = h.newGame();
    const Part& p = *partWithLabel(name);
    auto* l = s->findChild<QLabel*>(name);
    QVERIFY(l);
    QCOMPARE(l->text(), captionOf(p));
    QCOMPARE(l->parentWidget()->objectName(), QLatin1String(categoryInfo(p.category).panel));
    QVERIFY(l->parentWidget()->rect().contains(l->geometry()));
    QVERIFY2(l->sizeHint().width() <= l->width(), "the caption fits its label");
    QVERIFY(l->isEnabled());
    QCOMPARE(backColour(l), uint32_t(DefaultColours::ChoiceButtons));
    QCOMPARE(foreColour(l), uint32_t(DefaultColours::Text));
}

void ComputerPageTest::pointerShowsThePriceAndAClickBuys()
{
    FlowHarness h;
    MainScreen* s = h.newGame();
    openComputerPage(s);
    QLabel* gf2 = label(s, "lblAGP_32M_SG_Geforce2_MX400");
    QLabel* gf4 = label(s, "lblAGP_128M_Geforce4_Ti4200");

    QTest::mouseMove(gf2);
    QCOMPARE(backColour(gf2), Red);
    QCOMPARE(priceLine(s), QStringLiteral("32 p."));
    QTest::mouseClick(gf2, Qt::LeftButton);
    QVERIFY(!gf2->isEnabled());
    QCOMPARE(backColour(gf2), uint32_t(DefaultColours::ChoiceButtons)); // owned: no highlight
    QCOMPARE(h.game.money, Currency::fromRoubles(518));
    QCOMPARE(caption(s->control("lblDengi")), QStringLiteral(" 518")); // at once, clock stopped

    QTest::mouseMove(gf4);
    QCOMPARE(priceLine(s), QStringLiteral("Если продать старую, тоAGP 128M Geforce4 Ti4200 - 44 p."));
    QTest::mouseClick(gf4, Qt::LeftButton);
    QVERIFY(!gf4->isEnabled());
    QVERIFY(gf2->isEnabled());
    QCOMPARE(h.game.money, Currency::fromRoubles(506));
    QCOMPARE(h.game.videoGf2Mx400, False);
    QCOMPARE(h.game.videoGf4Ti4200, True);
}

void ComputerPageTest::panelsResetTheHover()
{
    FlowHarness h;
    MainScreen* s = h.newGame();
    openComputerPage(s);
    QLabel* modem = label(s, "lblRadiokanal");
    QTest::mouseMove(modem);
    QCOMPARE(priceLine(s), QStringLiteral("200 p."));
    overPanel(s->control("Tavorel25"));
    QCOMPARE(backColour(modem), uint32_t(DefaultColours::ChoiceButtons));
    QCOMPARE(priceLine(s), QString());

    // Straight from one label onto the next: only the second stays red.
    QLabel* other = label(s, "lblAGP_32M_SG_Geforce2_MX400");
    QTest::mouseMove(modem);
    QTest::mouseMove(other);
    QCOMPARE(backColour(modem), uint32_t(DefaultColours::ChoiceButtons));
    QCOMPARE(backColour(other), Red);
    QCOMPARE(priceLine(s), QStringLiteral("32 p."));
}

void ComputerPageTest::anOwnedPartIsDisabledAndShowsNothing()
{
    FlowHarness h;
    MainScreen* s = h.newGame();
    openComputerPage(s);
    QLabel* sound = label(s, "lblPCI_CMEDIA_CMI8738");
    QTest::mouseClick(sound, Qt::LeftButton);
    QVERIFY(!sound->isEnabled());
    overPanel(s->control("Tavorel20"));

    QTest::mouseMove(sound);
    QCOMPARE(backColour(sound), uint32_t(DefaultColours::ChoiceButtons));
    QCOMPARE(priceLine(s), QString());
    QTest::mouseClick(sound, Qt::LeftButton);
    QCOMPARE(h.game.money, Currency::fromRoubles(542));
}

void ComputerPageTest::tooLittleMoneyBuysNothing()
{
    FlowHarness h;
    MainScreen* s = h.newGame();
    h.game.money = Currency::fromRoubles(199);
    const qsizetype asked = h.dialogs.asked.size();
    openComputerPage(s);
    QLabel* modem = label(s, "lblRadiokanal");
    QTest::mouseMove(modem);
    QTest::mouseClick(modem, Qt::LeftButton);
    QVERIFY(modem->isEnabled());
    QCOMPARE(h.game.modemRadio, False);
    QCOMPARE(h.game.money, Currency::fromRoubles(199));
    QCOMPARE(h.dialogs.asked.size(), asked); // silently
}

void ComputerPageTest::daShowsSummaryDiskBarAndCapacity()
{
    FlowHarness h;
    MainScreen* s = h.newGame();
    openComputerPage(s);
    for (const char* name : {"lblSoket478_ECS", "lblHDD_40GB_MAXTOR_7200rpm", "lblZyXEL_OMNI_NEO_56K"})
        QTest::mouseClick(label(s, name), Qt::LeftButton);
    QCOMPARE(label(s, "lblMBoard")->text(), QString()); // the summary waits for "Да"

    QTest::mouseClick(s->control("cmdKompDa"), Qt::LeftButton);
    QTRY_COMPARE(s->control<QTabWidget>("SSTab1")->currentIndex(), 0);
    QCOMPARE(label(s, "lblMBoard")->text(), QStringLiteral("Soket-478 ECS"));
    QCOMPARE(label(s, "lblVint")->text(), QStringLiteral("HDD 40GB MAXTOR 7200rpm"));
    QCOMPARE(label(s, "lblModem")->text(), QStringLiteral("ZyXEL OMNI NEO 56K"));
    QCOMPARE(label(s, "lblProc")->text(), QString());
    QCOMPARE(label(s, "lblObiomVint")->text(), QStringLiteral("40"));
    auto* bar = s->control<QProgressBar>("prgVint");
    QCOMPARE(bar->maximum(), 40);
    QCOMPARE(bar->value(), 0);
}

void ComputerPageTest::smallerDiskShowsAFullBar()
{
    FlowHarness h;
    MainScreen* s = h.newGame();
    openComputerPage(s);
    QTest::mouseClick(label(s, "lblHDD_40GB_IBM_7200rpm"), Qt::LeftButton);
    h.game.hddFreeGb = 12.5f; // programs take 27.5 GB
    QTest::mouseClick(label(s, "lblHDD_20GB_SEAGATE_7200rpm"), Qt::LeftButton);
    QCOMPARE(h.game.hddFreeGb, -7.5f);
    pressTavorel(s->control("cmdKompDa"));
    auto* bar = s->control<QProgressBar>("prgVint");
    QCOMPARE(bar->maximum(), 20);
    QCOMPARE(bar->value(), 20);
    QCOMPARE(label(s, "lblObiomVint")->text(), QStringLiteral("20"));
}

void ComputerPageTest::refreshFollowsALoadedGame()
{
    FlowHarness h;
    MainScreen* s = h.newGame();
    openComputerPage(s);
    QTest::mouseClick(label(s, "lblm15_LG_500E"), Qt::LeftButton);
    pressTavorel(s->control("cmdKompDa"));
    QCOMPARE(label(s, "lblMonitor")->text(), QStringLiteral("15\" LG 500E"));

    // A loaded game: a 120 GB disk with 100 GB free, no monitor.
    GameState loaded = h.game;
    loaded.monitorLg500e = False;
    loaded.hdd120Gb = True;
    loaded.hddCapacityGb = 7;
    loaded.hddFreeGb = 100.0f;
    h.game = loaded;
    h.flow->context().showLoadedGame();

    QVERIFY(label(s, "lblm15_LG_500E")->isEnabled());
    QVERIFY(!label(s, "lblHDD120GB_SEAGATE_7200rpm")->isEnabled());
    QCOMPARE(h.game.hddCapacityGb, int16_t(120));
    QCOMPARE(label(s, "lblMonitor")->text(), QString());
    QCOMPARE(label(s, "lblVint")->text(), QStringLiteral("HDD120GB SEAGATE 7200rpm"));
    QCOMPARE(label(s, "lblObiomVint")->text(), QStringLiteral("120"));
    auto* bar = s->control<QProgressBar>("prgVint");
    QCOMPARE(bar->maximum(), 120);
    QCOMPARE(bar->value(), 20);
}

// The program's own style and font, so that the fit of every caption is the player's.
void ComputerPageTest::initTestCase()
{
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setFont(QFont(QStringLiteral("DejaVu Sans"), 9));
}

QTEST_MAIN(ComputerPageTest)
#include "tst_computerpage.moc"
