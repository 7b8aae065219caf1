// Which program can be installed, the requirement texts, the hover view, choosing a program,
// the installed lists, and installing and removing with their refusals.
#include "hardware/Parts.h"
#include "software/Installation.h"
#include "software/Programs.h"

#include <QtTest>

using G = GameState;
using Names = QStringList;

namespace {
const Program& program(const QString& key)
{
    const Program* p = programWithKey(key);
    if (!p)
        qFatal("no program %s", qPrintable(key));
    return *p;
}

// A computer with the given parts (by label) and programs (by key) and free space.
GameState computer(const Names& partLabels, const Names& installedKeys, float freeGb)
{
    GameState g;
    for (const QString& label : partLabels) {
        const Part* p = partWithLabel(label);
        if (!p)
            qFatal("no part %s", qPrintable(label));
        g.*p->owned = True;
    }
    for (const QString& key : installedKeys)
        g.*program(key).installed = True;
    g.hddCapacityGb = 120;
    g.hddFreeGb = freeGb;
    return g;
}

// Complete but for the memory module.
const Names base{"lblSoket478_ECS", "lblHDD120GB_SEAGATE_7200rpm", "lblCELERON_1200_MHz",
                 "lblAGP_32M_RIVA_TNT2_M64", "lblm15_LG_500E", "lblCD_ROM_SAMSUNG_x52"};
const Names with128 = base + Names{"lblDIMM_128MB_168pin_SDRAM"};
const Names with256 = base + Names{"lblDIMM_256MB_168pin_DDR"};
const Names with512 = base + Names{"lblDIMM_512MB_168pin_DDR"};
const Names studioParts{"lblCELERON_2000_MHz", "lblAGP_64M_ATI_RADEON_9000",
                        "lblDIMM_256MB_168pin_DDR"};

const QString CR(QChar(13));
} // namespace

class InstallationTest : public QObject {
    Q_OBJECT

private slots:
    void installability_data();
    void installability();
    void requirementLinesJoinedByCarriageReturns_data();
    void requirementLinesJoinedByCarriageReturns();
    void requirementTextNamesTheDiskSize();
    void hoverShowsRequirementsAndVerdict_data();
    void hoverShowsRequirementsAndVerdict();
    void choosingRemembersTheKey_data();
    void choosingRemembersTheKey();
    void installedListPerSection_data();
    void installedListPerSection();
    void installAndRemove_data();
    void installAndRemove();
    void installingAndRemovingGivesTheSpaceBack();
    void keysLabelsIndicatorsAndFlagsAreUnique();
};

void InstallationTest::installability_data()
{
    QTest::addColumn<Names>("parts");
    QTest::addColumn<Names>("installed");
    QTest::addColumn<float>("free");
    QTest::addColumn<QString>("key");
    QTest::addColumn<bool>("installable");

    QTest::newRow("no computer: Windows 98") << Names{} << Names{} << 0.0f << "w98" << false;
    QTest::newRow("no computer: Dr. Web") << Names{} << Names{} << 0.0f << "AntiDr" << false;
    QTest::newRow("128 MB, 10 GB: Windows 98") << with128 << Names{} << 10.0f << "w98" << true;
    QTest::newRow("128 MB, 10 GB: Windows XP needs 256 MB")
        << with128 << Names{} << 40.0f << "wXP" << false;
    QTest::newRow("128 MB, 10 GB: Windows 2000 needs 14 GB")
        << with128 << Names{} << 10.0f << "w2000" << false;
    QTest::newRow("exactly 14 GB: Windows 2000") << with128 << Names{} << 14.0f << "w2000"
                                                 << true;
    QTest::newRow("9.9 GB: Windows 98") << with128 << Names{} << 9.9f << "w98" << false;
    QTest::newRow("just under 10 in single precision")
        << with128 << Names{} << std::nextafter(10.0f, 0.0f) << "w98" << false;
    QTest::newRow("no memory: Windows 98") << base << Names{} << 40.0f << "w98" << false;
    QTest::newRow("256 MB: Windows XP") << with256 << Names{} << 20.0f << "wXP" << true;
    QTest::newRow("512 MB: Linux") << with512 << Names{} << 25.0f << "Lin" << true;
    QTest::newRow("512 MB, 39 GB: Longhorn") << with512 << Names{} << 39.0f << "Long" << false;
    QTest::newRow("256 MB without a monitor: Longhorn")
        << Names{"lblSoket478_ECS", "lblHDD120GB_SEAGATE_7200rpm", "lblCELERON_1200_MHz",
                 "lblAGP_32M_RIVA_TNT2_M64", "lblCD_ROM_SAMSUNG_x52", "lblDIMM_256MB_168pin_DDR"}
        << Names{} << 40.0f << "Long" << false;
    QTest::newRow("installed already still installable")
        << with128 << Names{"w98"} << 30.0f << "w98" << true;

    QTest::newRow("no system: Delphi") << with128 << Names{} << 40.0f << "DSDel" << false;
    QTest::newRow("Linux alone is a system: Visual Basic")
        << with128 << Names{"Lin"} << 10.0f << "DSVB" << true;
    QTest::newRow("Longhorn alone is a system: QuickBASIC")
        << with128 << Names{"Long"} << 5.0f << "DSPDS" << true;
    QTest::newRow("Visual C++ needs 15 GB") << with128 << Names{"w98"} << 14.5f << "DSVC"
                                            << false;
    QTest::newRow("environments need no complete computer")
        << Names{} << Names{"wXP"} << 10.0f << "DSVFP" << true;
    QTest::newRow("Office with a system") << Names{} << Names{"w2000"} << 10.0f << "PrOffice"
                                          << true;

    QTest::newRow("512 MB: Kaspersky") << with512 << Names{"w98"} << 10.0f << "Kasp" << true;
    QTest::newRow("512 MB: Norton wants the 256 MB module")
        << with512 << Names{"w98"} << 10.0f << "Norton" << false;
    QTest::newRow("256 MB: Norton") << with256 << Names{"w98"} << 10.0f << "Norton" << true;
    QTest::newRow("256 MB: Kaspersky wants 512 MB")
        << with256 << Names{"w98"} << 10.0f << "Kasp" << false;
    QTest::newRow("Norton without a system") << with256 << Names{} << 10.0f << "Norton"
                                             << false;

    QTest::newRow("3D Studio: Celeron 2000, Radeon 9000, 256 MB")
        << studioParts << Names{"w98"} << 10.0f << "PrStudio" << true;
    QTest::newRow("3D Studio: Pentium III 1200 is too slow")
        << Names{"lblPentium_III_1200_MHz", "lblAGP_64M_ATI_RADEON_9000",
                 "lblDIMM_256MB_168pin_DDR"}
        << Names{"w98"} << 10.0f << "PrStudio" << false;
    QTest::newRow("3D Studio: Geforce2 is too small")
        << Names{"lblAMD_A_XP_2400_MHz", "lblAGP_32M_SG_Geforce2_MX400",
                 "lblDIMM_512MB_168pin_DDR"}
        << Names{"w98"} << 10.0f << "PrStudio" << false;
    QTest::newRow("3D Studio: Pentium 4, Geforce4, 512 MB")
        << Names{"lblPentium_4_1800_MHz", "lblAGP_128M_Geforce4_Ti4200",
                 "lblDIMM_512MB_168pin_DDR"}
        << Names{"Lin"} << 10.0f << "PrStudio" << true;
    QTest::newRow("3D Studio: 128 MB is too little")
        << Names{"lblPentium_4_2400_MHz", "lblAGP_128M_Geforce4_Ti4200",
                 "lblDIMM_128MB_168pin_SDRAM"}
        << Names{"w98"} << 10.0f << "PrStudio" << false;
    QTest::newRow("3D Studio: no space") << studioParts << Names{"w98"} << 9.0f << "PrStudio"
                                         << false;

    QTest::newRow("unknown key") << with512 << Names{"w98"} << 100.0f << "Doom" << false;
    QTest::newRow("empty key") << with512 << Names{"w98"} << 100.0f << "" << false;
}

void InstallationTest::installability()
{
    QFETCH(Names, parts);
    QFETCH(Names, installed);
    QFETCH(float, free);
    QFETCH(QString, key);
    QFETCH(bool, installable);

    QCOMPARE(canInstall(computer(parts, installed, free), key), installable);
}

void InstallationTest::requirementLinesJoinedByCarriageReturns_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("text");

    QTest::newRow("w98") << "w98"
                         << "процессор 80486 66 МГц" + CR + "128 Мб ОЗУ" + CR
                                + "10 Гб на жестком диске";
    QTest::newRow("DSPDS") << "DSPDS"
                           << "Процессор 233 МГц и выше" + CR + "64 Мб ОЗУ" + CR
                                  + "5 Гб места на жестком диске" + CR
                                  + "Microsoft® Windows® 98, 2000 или Windows XP";
    QTest::newRow("PrStudio, five lines")
        << "PrStudio"
        << "Процессор 1700 МГц и выше" + CR + "256 Мб ОЗУ" + CR + "10 Гб места на жестком диске"
               + CR + "Windows 95/98/2000/NT/ME/XP" + CR + "Видеокарта: свыше 64 мбайт памяти";
}

void InstallationTest::requirementLinesJoinedByCarriageReturns()
{
    QFETCH(QString, key);
    QFETCH(QString, text);
    QCOMPARE(requirementText(program(key)), text);
}

void InstallationTest::requirementTextNamesTheDiskSize()
{
    // The third line shows the size the installation takes.
    for (const Program& p : programs) {
        const QStringList lines = requirementText(p).split(CR);
        QVERIFY2(lines.size() >= 3 && !lines.last().isEmpty(), p.key);
        QVERIFY2(lines[2].startsWith(QString::number(p.sizeGb) + QStringLiteral(" Гб")), p.key);
    }
}

void InstallationTest::hoverShowsRequirementsAndVerdict_data()
{
    QTest::addColumn<Names>("parts");
    QTest::addColumn<Names>("installed");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("verdict");
    QTest::addColumn<bool>("installable");

    QTest::newRow("system, no computer")
        << Names{} << Names{} << "w98" << "Комп не укомплектован или не хватает места!" << false;
    QTest::newRow("antivirus, no computer")
        << Names{} << Names{} << "AntiDr" << "Установка не возможна!" << false;
    QTest::newRow("system, possible") << with128 << Names{} << "w98" << "Установка возможна"
                                      << true;
    QTest::newRow("application, possible")
        << with128 << Names{"w98"} << "PrPhoto" << "Установка возможна" << true;
    QTest::newRow("Longhorn, not possible")
        << with128 << Names{} << "Long" << "Комп не укомплектован или не хватает места!" << false;
}

void InstallationTest::hoverShowsRequirementsAndVerdict()
{
    QFETCH(Names, parts);
    QFETCH(Names, installed);
    QFETCH(QString, key);
    QFETCH(QString, verdict);
    QFETCH(bool, installable);

    const Program& p = program(key);
    const ProgramHover view = hoverProgram(computer(parts, installed, 30.0f), p);
    QCOMPARE(view.lblSisTreb, requirementText(p));
    QCOMPARE(view.lblTool, verdict);
    QCOMPARE(view.installable, installable);
}

void InstallationTest::choosingRemembersTheKey_data()
{
    QTest::addColumn<Names>("installed");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<bool>("installButton");

    QTest::newRow("installable") << Names{"w98"} << "PrCDr" << "Corel Draw 12" << true;
    QTest::newRow("not installable still opens") << Names{} << "PrCDr" << "Corel Draw 12"
                                                 << false;
    QTest::newRow("installed and installable")
        << Names{"w98"} << "w98" << "Microsoft Windows 98" << true;
}

void InstallationTest::choosingRemembersTheKey()
{
    QFETCH(Names, installed);
    QFETCH(QString, key);
    QFETCH(QString, caption);
    QFETCH(bool, installButton);

    GameState g = computer(with128, installed, 30.0f);
    const InstallDialogOpening opening = chooseProgram(g, program(key));
    QCOMPARE(g.pendingInstallKey, key);
    QCOMPARE(opening.lblUstanovka, caption);
    QCOMPARE(opening.command1Visible, installButton);
    QCOMPARE(pendingProgramCaption(g), std::optional<QString>(caption));
}

void InstallationTest::installedListPerSection_data()
{
    QTest::addColumn<Names>("installed");
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("list");

    QTest::newRow("Office and Flash") << Names{"PrOffice", "PrMFlash"} << "Другое:"
                                      << CR + "Macromedia Flash" + CR + "Microsoft Office";
    QTest::newRow("every other application")
        << Names{"PrCDr", "PrPhoto", "PrStudio", "PrOffice", "PrMDream", "PrMFlash"}
        << "Другое:"
        << CR + "Macromedia Flash" + CR + "Macromedia Dreamweaver" + CR + "Microsoft Office"
               + CR + "3D Studio Max" + CR + "Adobe Photoshop" + CR + "Corel Draw";
    QTest::newRow("every system")
        << Names{"Long", "Lin", "wXP", "w2000", "w98"} << "Операционная система:"
        << CR + "Microsoft Windows 98" + CR + "Microsoft Windows 2000" + CR
               + "Microsoft Windows XP" + CR + "Linux Mandrake 9.0" + CR + "MicrosoftLonghorn";
    QTest::newRow("environments, Delphi first")
        << Names{"DSVB", "DSVC", "DSPDS", "DSVFP", "DSDel"} << "Среда разработки приложений:"
        << CR + "Borland Delphi 5" + CR + "Microsoft Visual Fox Pro" + CR
               + "Microsoft QuickBASIC Extended 7.1 (PDS)" + CR + "MicrosoftVisual C++" + CR
               + "Microsoft Visual Basic 7.0";
    QTest::newRow("antivirus") << Names{"Kasp", "AntiDr", "Norton"} << "Антивирус:"
                               << CR + "Dr. Web" + CR + "Norton Antivirus 2004" + CR
                                      + "Kaspersky Antivirus";
    QTest::newRow("nothing in the section") << Names{"w98"} << "Антивирус:" << "";
}

void InstallationTest::installedListPerSection()
{
    QFETCH(Names, installed);
    QFETCH(QString, entry);
    QFETCH(QString, list);

    const std::optional<Section> section = sectionForEntry(entry);
    QVERIFY(section);
    QCOMPARE(installedList(computer({}, installed, 0.0f), *section), list);
    QVERIFY(!sectionForEntry(u"Другое"));
}

void InstallationTest::installAndRemove_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<bool>("install"); // false: remove
    QTest::addColumn<int>("flagBefore");
    QTest::addColumn<int>("flagAfter");
    QTest::addColumn<float>("freeAfter"); // from 40 GB free on a 40 GB disk
    QTest::addColumn<QString>("warning");
    QTest::addColumn<bool>("staysOpen");
    QTest::addColumn<QString>("indicator");
    QTest::addColumn<bool>("indicatorVisible");
    QTest::addColumn<int>("bar"); // -1: not changed

    QTest::newRow("install Windows 98") << "w98" << true << 0 << -1 << 30.0f << "" << false
                                        << "shpWin98" << true << 10;
    QTest::newRow("install twice: refused, stays open")
        << "w98" << true << -1 << -1 << 40.0f << "Эта программа уже установлена!" << true << ""
        << false << -1;
    QTest::newRow("a flag of 1 from a saved game counts as installed")
        << "DSVC" << true << 1 << 1 << 40.0f << "Эта программа уже установлена!" << true << ""
        << false << -1;
    QTest::newRow("remove Corel Draw") << "PrCDr" << false << -1 << 0 << 50.0f << "" << false
                                       << "shpCDr" << false << 0;
    QTest::newRow("remove what is not installed: refused, closes")
        << "Lin" << false << 0 << 0 << 40.0f << "Эта программа ещё не установлена!" << false
        << "" << false << -1;
    QTest::newRow("install unknown key: closes, nothing changes")
        << "" << true << 0 << 0 << 40.0f << "" << false << "" << false << -1;
    QTest::newRow("remove unknown key: closes, nothing changes")
        << "Doom" << false << 0 << 0 << 40.0f << "" << false << "" << false << -1;
}

void InstallationTest::installAndRemove()
{
    QFETCH(QString, key);
    QFETCH(bool, install);
    QFETCH(int, flagBefore);
    QFETCH(int, flagAfter);
    QFETCH(float, freeAfter);
    QFETCH(QString, warning);
    QFETCH(bool, staysOpen);
    QFETCH(QString, indicator);
    QFETCH(bool, indicatorVisible);
    QFETCH(int, bar);

    GameState g;
    g.hddCapacityGb = 40;
    g.hddFreeGb = 40.0f;
    g.pendingInstallKey = key;
    const Program* p = programWithKey(key);
    if (p)
        g.*p->installed = Flag(flagBefore);
    const GameState before = g;

    const InstallResult r = install ? installProgram(g) : removeProgram(g);

    if (p)
        QCOMPARE(int(g.*p->installed), flagAfter);
    QCOMPARE(g.hddFreeGb, freeAfter);
    QCOMPARE(r.staysOpen, staysOpen);
    if (warning.isEmpty()) {
        QVERIFY(!r.warning);
    } else {
        QVERIFY(r.warning);
        QCOMPARE(r.warning->text, warning);
        QCOMPARE(r.warning->caption, QStringLiteral("Предупреждение"));
        QCOMPARE(r.warning->icon, Message::Icon::Exclamation);
        QCOMPARE(g, before);
    }
    if (indicator.isEmpty()) {
        QVERIFY(!r.indicator);
    } else {
        QVERIFY(r.indicator);
        QCOMPARE(QLatin1String(r.indicator->name), indicator);
        QCOMPARE(r.indicator->visible, indicatorVisible);
    }
    QCOMPARE(r.prgVint ? r.prgVint->value : -1, bar);
}

void InstallationTest::installingAndRemovingGivesTheSpaceBack()
{
    GameState g;
    g.hddCapacityGb = 20;
    g.hddFreeGb = 17.3f;
    chooseProgram(g, program(QStringLiteral("DSPDS")));
    installProgram(g);
    QCOMPARE(g.hddFreeGb, 12.3f);
    QCOMPARE(g.installedPds, True);
    removeProgram(g);
    QCOMPARE(g.hddFreeGb, 17.3f);
    QCOMPARE(g.installedPds, False);
}

void InstallationTest::keysLabelsIndicatorsAndFlagsAreUnique()
{
    const GameState g;
    QSet<QString> keys, labels, indicators, listLabels;
    QSet<const Flag*> flags;
    for (const Program& p : programs) {
        keys.insert(QLatin1String(p.key));
        labels.insert(QLatin1String(p.label));
        indicators.insert(QLatin1String(p.indicator));
        listLabels.insert(QLatin1String(p.listLabel));
        flags.insert(&(g.*p.installed));
    }
    const qsizetype count = qsizetype(programs.size());
    for (const auto* names : {&keys, &labels, &indicators, &listLabels})
        QCOMPARE(names->size(), count);
    QCOMPARE(flags.size(), count);
}

QTEST_GUILESS_MAIN(InstallationTest)
#include "tst_installation.moc"
