// The software page and the installation dialog through real input: the requirements and
// verdict under the pointer, choosing a program, installing and removing with both refusals,
// the smooth fill on the animation clock, the indicators and the disk bar, and the installed
// lists of the home page. One game also goes all the way from 550 roubles to a removed program.
#include "support/GameHarness.h"

#include "kit/Colours.h"
#include "kit/Controls.h"
#include "hardware/Parts.h"
#include "software/ui/InstallDialog.h"
#include "software/Installation.h"
#include "software/Programs.h"
#include "software/ui/SoftwarePictures.h"

#include <QAction>
#include <QFont>
#include <QStyleFactory>
#include <QComboBox>
#include <QLabel>
#include <QProgressBar>
#include <QTabWidget>
#include <QToolBar>

#include <functional>

namespace {
void toolbar(MainScreen* s, const char* key)
{
    s->control<QToolBar>("Toolbar1")->findChild<QAction*>(QString::fromLatin1(key))->trigger();
    QApplication::processEvents();
}

QLabel* label(MainScreen* s, const char* name)
{
    return s->control<QLabel>(name);
}

QString shown(const QString& crText)
{
    return QString(crText).replace(QChar(13), QLatin1Char('\n'));
}

// A computer of the cheapest parts with the 40 GB disk (458 roubles), bought by clicks.
const char* const cheapComputer[] = {
    "lblSoket478_ECS", "lblHDD_40GB_MAXTOR_7200rpm", "lblCELERON_1200_MHz",
    "lblDIMM_128MB_168pin_SDRAM", "lblAGP_32M_RIVA_TNT2_M64", "lblm15_LG_500E",
    "lblCD_ROM_SAMSUNG_x52"};

void buyCheapComputer(MainScreen* s)
{
    toolbar(s, "Komp");
    for (const char* name : cheapComputer)
        QTest::mouseClick(label(s, name), Qt::LeftButton);
    pressTavorel(s->control("cmdKompDa"));
}

// Clicks a program's label, which opens the installation dialog modally, and runs `inside`
// with the dialog once it is up. The dialog is closed afterwards if `inside` left it open.
bool withDialog(MainScreen* s, const char* programLabel,
                const std::function<void(InstallDialog*)>& inside)
{
    bool opened = false;
    QTimer::singleShot(0, s, [&] {
        auto* dialog = s->findChild<InstallDialog*>(QStringLiteral("frmUstanovka"));
        if (!dialog || !dialog->isVisible())
            return;
        opened = true;
        inside(dialog);
        if (dialog->isVisible())
            dialog->done(QDialog::Rejected);
    });
    QTest::mouseClick(label(s, programLabel), Qt::LeftButton);
    return opened;
}

QWidget* part(InstallDialog* d, const char* name)
{
    return d->findChild<QWidget*>(QString::fromLatin1(name));
}

// Runs the fill to its end on the hand-moved clock: a frame every 16 ms.
void fillToTheEnd(FlowHarness& h, InstallDialog* d)
{
    auto* timer = d->findChild<QTimer*>(QStringLiteral("tmrZapolnenie"));
    for (int frame = 0; frame < 100 && d->isVisible(); ++frame) {
        h.clock.advance(InstallDialog::FillFrameMs);
        fire(timer);
    }
}

// A left press on the dialog's button, as the player makes it.
void press(InstallDialog* d, const char* name)
{
    QTest::mouseClick(part(d, name), Qt::LeftButton);
    QApplication::processEvents();
}
} // namespace

class SoftwarePageTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void everyProgramSitsInItsSectionUnclipped_data();
    void everyProgramSitsInItsSectionUnclipped();
    void pointerShowsRequirementsAndVerdict_data();
    void pointerShowsRequirementsAndVerdict();
    void panelsRestTheDiskPicture();
    void dialogOpensWithTheNameAndTheOfferedButtons_data();
    void dialogOpensWithTheNameAndTheOfferedButtons();
    void barFillsOnTheClockThenTheDialogCloses();
    void installActsOnKeyDownOnly();
    void cancelChangesNothing();
    void fromFiveHundredFiftyRoublesToARemovedProgram();
    void installedListOfTheHomePage();
    void refreshShowsTheIndicatorsOfALoadedGame();
};

void SoftwarePageTest::everyProgramSitsInItsSectionUnclipped_data()
{
    QTest::addColumn<QString>("key");
    for (const Program& p : programs)
        QTest::newRow(p.key) << QString::fromLatin1(p.key);
}

void SoftwarePageTest::everyProgramSitsInItsSectionUnclipped()
{
    QFETCH(QString, key);
    FlowHarness h;
    MainScreen* s = h.newGame();
    const Program& p = *programWithKey(key);
    QLabel* l = label(s, p.label);
    QVERIFY(l);
    QCOMPARE(l->text(), captionOf(p));
    QWidget* panel = l->parentWidget();
    QCOMPARE(panel->objectName(), QLatin1String(sectionInfo(p.section).panel));
    QVERIFY(panel->rect().contains(l->geometry()));
    QVERIFY2(l->sizeHint().width() <= l->width(), "the caption fits its label");
    QWidget* indicator = s->control(p.indicator);
    QVERIFY(indicator);
    QVERIFY(indicator->isHidden());
    QVERIFY(panel->rect().contains(indicator->geometry()));
    QVERIFY(!indicator->geometry().intersects(l->geometry()));
}

void SoftwarePageTest::pointerShowsRequirementsAndVerdict_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("verdict");
    QTest::addColumn<int>("picture");
    QTest::newRow("system without a computer")
        << "w98" << "Комп не укомплектован или не хватает места!" << 3;
    QTest::newRow("antivirus without a computer") << "AntiDr" << "Установка не возможна!" << 3;
}

void SoftwarePageTest::pointerShowsRequirementsAndVerdict()
{
    QFETCH(QString, key);
    QFETCH(QString, verdict);
    QFETCH(int, picture);
    FlowHarness h;
    MainScreen* s = h.newGame();
    toolbar(s, "Program");
    const Program& p = *programWithKey(key);
    QTest::mouseMove(label(s, p.label));
    QCOMPARE(backColour(label(s, p.label)), uint32_t(0x0000FF));
    QCOMPARE(label(s, "lblSisTreb")->text(), shown(requirementText(p)));
    QCOMPARE(label(s, "lblTool")->text(), verdict);
    QCOMPARE(label(s, "imgDiski")->pixmap().toImage(),
             s->findChild<ImageList*>(QStringLiteral("imlDiski"))->picture(picture).toImage());
}

void SoftwarePageTest::panelsRestTheDiskPicture()
{
    FlowHarness h;
    MainScreen* s = h.newGame();
    toolbar(s, "Program");
    QTest::mouseMove(label(s, "lblOSWinXP"));
    QWidget* panel = s->control("Tavorel5");
    QTest::mouseMove(panel, QPoint(panel->width() - 4, panel->height() - 3));
    QCOMPARE(label(s, "lblTool")->text(), QString());
    QCOMPARE(label(s, "lblSisTreb")->text(), QString());
    QCOMPARE(label(s, "imgDiski")->pixmap().toImage(),
             s->findChild<ImageList*>(QStringLiteral("imlDiski"))->picture(2).toImage());
    QCOMPARE(backColour(label(s, "lblOSWinXP")), uint32_t(DefaultColours::ChoiceButtons));
}

void SoftwarePageTest::dialogOpensWithTheNameAndTheOfferedButtons_data()
{
    QTest::addColumn<bool>("computer");
    QTest::addColumn<bool>("installButton");
    QTest::newRow("installable: three buttons") << true << true;
    QTest::newRow("not installable: no install button") << false << false;
}

void SoftwarePageTest::dialogOpensWithTheNameAndTheOfferedButtons()
{
    QFETCH(bool, computer);
    QFETCH(bool, installButton);
    FlowHarness h;
    MainScreen* s = h.newGame();
    if (computer)
        buyCheapComputer(s);
    toolbar(s, "Program");
    const bool opened = withDialog(s, "lblOSWin2000", [&](InstallDialog* d) {
        QCOMPARE(part(d, "lblUstanovka")->property("text").toString(),
                 QStringLiteral("Microsoft Windows 2000"));
        QCOMPARE(part(d, "Command1")->isVisible(), installButton);
        QVERIFY(part(d, "Tavorel1")->isVisible());
        QVERIFY(part(d, "cmdCancel")->isVisible());
        QCOMPARE(caption(part(d, "PanelUstanovka")), QStringLiteral("Установка / удаление программ"));
        QCOMPARE(part(d, "PanelUstanovka")->property("ColorStart").toUInt(),
                 uint(DefaultColours::GradientStart));
        QCOMPARE(qobject_cast<QProgressBar*>(part(d, "prgUstanovka"))->value(), 0);
    });
    QVERIFY(opened);
    QCOMPARE(h.game.pendingInstallKey, QStringLiteral("w2000"));
}

void SoftwarePageTest::barFillsOnTheClockThenTheDialogCloses()
{
    FlowHarness h;
    MainScreen* s = h.newGame();
    buyCheapComputer(s);
    toolbar(s, "Program");
    QVERIFY(withDialog(s, "lblOSWin98", [&](InstallDialog* d) {
        auto* bar = qobject_cast<QProgressBar*>(part(d, "prgUstanovka"));
        auto* timer = d->findChild<QTimer*>(QStringLiteral("tmrZapolnenie"));
        QVERIFY(timer->interval() >= 10); // no busy timer
        press(d, "Command1");
        QVERIFY(d->filling());
        h.clock.advance(InstallDialog::FillMs / 2);
        fire(timer);
        QCOMPARE(bar->value(), 50);
        QVERIFY(d->isVisible());
        press(d, "cmdCancel"); // no reaction while the bar fills
        QVERIFY(d->isVisible());
        h.clock.advance(InstallDialog::FillMs / 2);
        fire(timer);
        QCOMPARE(bar->value(), 100);
        QVERIFY(!d->isVisible());
        QCOMPARE(d->result(), int(QDialog::Accepted));
    }));
    QCOMPARE(h.game.installedWin98, True);
    QVERIFY(InstallDialog::FillMs <= 500);
}

void SoftwarePageTest::installActsOnKeyDownOnly()
{
    FlowHarness h;
    MainScreen* s = h.newGame();
    buyCheapComputer(s);
    toolbar(s, "Program");
    QVERIFY(withDialog(s, "lblOSWin98", [&](InstallDialog* d) {
        auto* command1 = qobject_cast<vuzedovi::Tavorel*>(part(d, "Command1"));
        short left = 1, key = 145, shift = 0;
        float x = 30, y = 30;
        emit command1->MouseDown(left, shift, x, y);
        emit command1->KeyUp(key, shift);
        QVERIFY(!d->filling());
        QCOMPARE(h.game.installedWin98, False);
        emit command1->KeyDown(key, shift);
        QVERIFY(d->filling());
        QCOMPARE(h.game.installedWin98, True);
        fillToTheEnd(h, d);
    }));
}

void SoftwarePageTest::cancelChangesNothing()
{
    FlowHarness h;
    MainScreen* s = h.newGame();
    buyCheapComputer(s);
    toolbar(s, "Program");
    const GameState before = h.game;
    const qsizetype asked = h.dialogs.asked.size();
    QVERIFY(withDialog(s, "lblPrPhoto", [&](InstallDialog* d) {
        press(d, "cmdCancel");
        QVERIFY(!d->isVisible());
        QCOMPARE(d->result(), int(QDialog::Rejected));
    }));
    GameState after = h.game;
    after.pendingInstallKey = before.pendingInstallKey;
    QCOMPARE(after, before);
    QCOMPARE(h.dialogs.asked.size(), asked);
}

void SoftwarePageTest::fromFiveHundredFiftyRoublesToARemovedProgram()
{
    FlowHarness h;
    MainScreen* s = h.newGame();
    auto* bar = s->control<QProgressBar>("prgVint");
    const qsizetype asked = h.dialogs.asked.size();

    // A complete computer from the 550 roubles of a new game.
    toolbar(s, "Komp");
    QTest::mouseMove(label(s, "lblHDD_40GB_MAXTOR_7200rpm"));
    QCOMPARE(caption(s->control("lblShowTsena")), QStringLiteral("110 p."));
    for (const char* name : cheapComputer)
        QTest::mouseClick(label(s, name), Qt::LeftButton);
    QCOMPARE(h.game.money, Currency::fromRoubles(92));
    QTest::mouseMove(label(s, "lblCD_REW_LG_x24_48_48"));
    QCOMPARE(caption(s->control("lblShowTsena")),
             QStringLiteral("Если продать старую, тоCD-REW LG x24/48/48 - 37 p."));
    QTest::mouseClick(s->control("cmdKompDa"), Qt::LeftButton);
    QTRY_COMPARE(s->control<QTabWidget>("SSTab1")->currentIndex(), 0);
    QCOMPARE(label(s, "lblCDROM")->text(), QStringLiteral("CD-ROM SAMSUNG x52"));
    QCOMPARE(label(s, "lblZwukPl")->text(), QString());
    QCOMPARE(bar->maximum(), 40);
    QCOMPARE(bar->value(), 0);

    // Windows 98, then Corel Draw on it.
    toolbar(s, "Program");
    QTest::mouseMove(label(s, "lblOSWin98"));
    QCOMPARE(label(s, "lblTool")->text(), QStringLiteral("Установка возможна"));
    QVERIFY(withDialog(s, "lblOSWin98", [&](InstallDialog* d) {
        press(d, "Command1");
        fillToTheEnd(h, d);
    }));
    QVERIFY(s->control("shpWin98")->isVisible());
    QCOMPARE(h.game.hddFreeGb, 30.0f);
    QCOMPARE(bar->value(), 10);

    QVERIFY(withDialog(s, "lblPrCDr", [&](InstallDialog* d) {
        QVERIFY(part(d, "Command1")->isVisible());
        press(d, "Command1");
        fillToTheEnd(h, d);
    }));
    QVERIFY(s->control("shpCDr")->isVisible());
    QCOMPARE(h.game.hddFreeGb, 20.0f);
    QCOMPARE(bar->value(), 20);

    // A second install is refused and the dialog stays; removing frees the space.
    QVERIFY(withDialog(s, "lblOSWin98", [&](InstallDialog* d) {
        press(d, "Command1");
        QVERIFY(d->isVisible());
        QVERIFY(!d->filling());
        QCOMPARE(h.dialogs.asked.size(), asked + 1);
        QCOMPARE(h.dialogs.asked.last().text, QStringLiteral("Эта программа уже установлена!"));
        QCOMPARE(h.dialogs.asked.last().caption, QStringLiteral("Предупреждение"));
        QCOMPARE(h.dialogs.asked.last().icon, Dialogs::Icon::Exclamation);
        QCOMPARE(h.game.hddFreeGb, 20.0f);
        press(d, "Tavorel1");
        fillToTheEnd(h, d);
        QVERIFY(!d->isVisible());
    }));
    QVERIFY(!s->control("shpWin98")->isVisible());
    QCOMPARE(h.game.installedWin98, False);
    QCOMPARE(h.game.hddFreeGb, 30.0f);
    QCOMPARE(bar->value(), 10);

    // Removing what is not installed is refused, and the dialog still fills and closes.
    QVERIFY(withDialog(s, "lblOSLinux", [&](InstallDialog* d) {
        QVERIFY(!part(d, "Command1")->isVisible());
        press(d, "Tavorel1");
        QCOMPARE(h.dialogs.asked.last().text, QStringLiteral("Эта программа ещё не установлена!"));
        QVERIFY(d->filling());
        fillToTheEnd(h, d);
        QVERIFY(!d->isVisible());
    }));
    QCOMPARE(h.dialogs.asked.size(), asked + 2);
    QCOMPARE(h.game.hddFreeGb, 30.0f);
    QVERIFY(s->control("shpCDr")->isVisible());

    // Corel Draw stays, with no system under it: an application cannot be installed now.
    QTest::mouseMove(label(s, "lblPrPhoto"));
    QCOMPARE(label(s, "lblTool")->text(), QStringLiteral("Установка не возможна!"));
}

void SoftwarePageTest::installedListOfTheHomePage()
{
    FlowHarness h;
    MainScreen* s = h.newGame();
    h.game.installedOffice = True;
    h.game.installedFlash = True;
    h.game.installedLinux = True;
    auto* list = s->control<QComboBox>("cmbProgrObesp");
    QLabel* installed = label(s, "lblProgrObesp");
    QCOMPARE(installed->text(), QStringLiteral("."));

    list->setFocus();
    QTest::keyClick(list, Qt::Key_End); // "Другое:"
    QCOMPARE(list->currentText(), QStringLiteral("Другое:"));
    QCOMPARE(installed->text(), QStringLiteral("\nMacromedia Flash\nMicrosoft Office"));
    QTest::keyClick(list, Qt::Key_Home); // "Операционная система:"
    QCOMPARE(installed->text(), QStringLiteral("\nLinux Mandrake 9.0"));

    // Installing does not refresh the list; picking the entry again does.
    h.game.installedWin98 = True;
    QCOMPARE(installed->text(), QStringLiteral("\nLinux Mandrake 9.0"));
    QTest::keyClick(list, Qt::Key_Down);
    QTest::keyClick(list, Qt::Key_Up);
    QCOMPARE(installed->text(), QStringLiteral("\nMicrosoft Windows 98\nLinux Mandrake 9.0"));
}

void SoftwarePageTest::refreshShowsTheIndicatorsOfALoadedGame()
{
    FlowHarness h;
    MainScreen* s = h.newGame();
    h.game.installedLonghorn = True;
    h.game.installedAntiKasp = True;
    h.flow->context().showLoadedGame();
    for (const Program& p : programs)
        QCOMPARE(!s->control(p.indicator)->isHidden(), isSet(h.game.*p.installed));
    QVERIFY(!s->control("shpLonghorn")->isHidden());

    // A new game forgets them all.
    h.dialogs.names.append(QStringLiteral("Петя"));
    h.openMenu()->newGameProcedure();
    QVERIFY(s->control("shpLonghorn")->isHidden());
    QCOMPARE(label(s, "lblProgrObesp")->text(), QStringLiteral("."));
}

// The program's own style and font, so that the fit of every caption is the player's.
void SoftwarePageTest::initTestCase()
{
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setFont(QFont(QStringLiteral("DejaVu Sans"), 9));
}

QTEST_MAIN(SoftwarePageTest)
#include "tst_softwarepage.moc"
