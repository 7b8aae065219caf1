// The colour registry against the screens it names: each screen that takes the colour scheme
// registers its table as it is built, every control the table names is on the built screen,
// in the table's order, once, and the main screen's title bar keeps its own colours.
#include "saves/SaveTestSupport.h"

#include "support/GameHarness.h"

#include "development/ui/DevelopmentScreen.h"
#include "internet/ui/InternetScreen.h"
#include "kit/ColourRegistry.h"
#include "saves/ui/SaveLoadDialogs.h"
#include "software/ui/InstallDialog.h"

#include <QtTest>

#include <memory>
#include <set>
#include <string>

namespace {
// The game with a main screen, and the screen of the registry by its name, built the way the
// game builds it.
struct Built {
    QTemporaryDir dir;
    FixedFolder folder{dir.path()};
    FlowHarness h;
    MainScreen* main = h.newGame();
    std::unique_ptr<QWidget> other;

    QWidget* screen(const QString& name)
    {
        GameContext& c = h.flow->context();
        if (name == "frmUstanovka")
            other = std::make_unique<InstallDialog>(c, InstallDialogOpening{}, nullptr, nullptr);
        else if (name == "frmInter")
            other = std::make_unique<InternetScreen>(c, *main);
        else if (name == "frmSave")
            other = std::make_unique<SaveDialog>(c, folder, nullptr);
        else if (name == "frmLoad")
            other = std::make_unique<LoadDialog>(c, folder, nullptr);
        else if (name == "frmRazrabotka")
            other = std::make_unique<DevelopmentScreen>(c);
        return other ? other.get() : main;
    }
};

QStringList tableOf(const QString& screen)
{
    QStringList names;
    if (const ColouredScreen* table = colouredScreen(screen))
        for (const char* control : table->controls)
            names << QString::fromLatin1(control);
    return names;
}
} // namespace

class ColourRegistryTest : public QObject {
    Q_OBJECT

private slots:
    void everyListedControlIsOnItsScreen_data();
    void everyListedControlIsOnItsScreen();
    void noControlIsListedTwice();
};

void ColourRegistryTest::everyListedControlIsOnItsScreen_data()
{
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QStringList>("controls"); // in the order the scheme walks them
    QTest::newRow("main screen: its panels, confirm buttons and labels")
        << "frmMain" << QStringList{};
    QTest::newRow("install") << "frmUstanovka"
                             << QStringList{"PanelUstanovka", "Command1", "Tavorel1", "cmdCancel"};
    QTest::newRow("internet")
        << "frmInter"
        << QStringList{"Tavorel1", "PanelSost", "Tavorel2", "Tavorel5", "Tavorel8", "Tavorel11",
                       "cmdPodkl", "cmdOtkl", "cmdDetali"};
    QTest::newRow("load") << "frmLoad" << QStringList{"File1", "cmdYes", "cmdNo"};
    QTest::newRow("save") << "frmSave" << QStringList{"File1", "txtSave", "cmdSave", "cmdCancel"};
    QTest::newRow("development, Tavorel5 last")
        << "frmRazrabotka"
        << QStringList{"Tavorel1", "Tavorel2", "Tavorel3", "Tavorel4", "lblTr", "Tavorel6", "Tavorel5"};
}

void ColourRegistryTest::everyListedControlIsOnItsScreen()
{
    QFETCH(QString, screen);
    QFETCH(QStringList, controls);
    Built built;
    QWidget* shown = built.screen(screen);
    QCOMPARE(shown->objectName(), screen);
    const ColouredScreen* table = colouredScreen(screen);
    QVERIFY2(table, "the screen registers its table as it is built");
    for (const char* control : table->controls)
        QVERIFY2(shown->findChild<QWidget*>(QString::fromLatin1(control)), control);
    if (table->windowPanel)
        QVERIFY(tableOf(screen).contains(QString::fromLatin1(table->windowPanel)));
    if (!controls.isEmpty())
        QCOMPARE(tableOf(screen), controls);
}

void ColourRegistryTest::noControlIsListedTwice()
{
    Built built;
    for (const char* screen : {"frmUstanovka", "frmInter", "frmSave", "frmLoad", "frmRazrabotka"})
        built.screen(QString::fromLatin1(screen));
    // Every screen of the registry is among those built above.
    QCOMPARE(colouredScreens().size(), size_t(6));
    for (const ColouredScreen& screen : colouredScreens()) {
        std::set<std::string> seen;
        for (const char* control : screen.controls)
            QVERIFY2(seen.insert(control).second, control);
    }
    // Tavorel1 to Tavorel26 and Tavorel29; the title bar Tavorel27 keeps its own colours.
    const QStringList main = tableOf(QStringLiteral("frmMain"));
    QCOMPARE(main.filter(QRegularExpression(QStringLiteral("^Tavorel"))).size(), 27);
    QVERIFY(!main.contains(QStringLiteral("Tavorel27")));
    QVERIFY(!main.contains(QStringLiteral("Tavorel28")));
}

QTEST_MAIN(ColourRegistryTest)
#include "tst_colourregistry.moc"
