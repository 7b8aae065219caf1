// The save and load dialogs, the settings screen with a chosen scheme in its preview, and the
// main screen in that scheme.
#include "Shots.h"

#include "flow/GameContext.h"
#include "flow/MenuScreen.h"
#include "saves/SavedGameFile.h"
#include "saves/SaveFolder.h"
#include "settings/ui/SettingsScreen.h"

#include <QApplication>
#include <QColorDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTimer>

namespace {
class ShotFolder final : public SaveFolder {
public:
    QTemporaryDir dir;
    QString path() const override { return dir.path(); }
};

QWidget* window(const char* name)
{
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == QLatin1String(name) && w->isVisible())
            return w;
    return nullptr;
}

// Picks the colour in the settings screen's colour dialog, as the player would.
void pick(QWidget* settings, const char* button, const QColor& colour)
{
    QTimer::singleShot(0, [colour] {
        if (auto* dialog = qobject_cast<QColorDialog*>(window("dlgColour"))) {
            dialog->setCurrentColor(colour);
            dialog->accept();
        }
    });
    settings->findChild<QPushButton*>(QString::fromLatin1(button))->click();
}

bool saveAndLoadDialogs(ShotSession& s)
{
    ShotFolder folder;
    s.flow->context().services.saves = &folder;
    for (const char* name : {"Первая карьера", "Программист на 30 день", "Перед вирусом"}) {
        GameState g;
        g.playerName = QStringLiteral("Вася Пупкин");
        if (!saveGame(g, savedGamePath(folder.path(), QString::fromUtf8(name))).isEmpty())
            return false;
    }
    MainScreen* screen = s.newGame();
    QApplication::processEvents(); // the start menu is gone
    screen->toolbarKey(QStringLiteral("Menu"));
    MenuScreen* menu = s.flow->menu();

    menu->button(1)->click();
    QWidget* save = window("frmSave");
    if (!save)
        return false;
    auto* list = save->findChild<QListWidget*>(QStringLiteral("File1"));
    list->item(1)->setSelected(true);
    bool ok = s.save(save, QStringLiteral("save-dialog.png"));
    save->close();

    menu->button(2)->click();
    QWidget* load = window("frmLoad");
    if (!load)
        return false;
    load->findChild<QListWidget*>(QStringLiteral("File1"))->item(0)->setSelected(true);
    ok &= s.save(load, QStringLiteral("load-dialog.png"));
    load->close();
    menu->close();
    QApplication::processEvents();
    s.flow->context().services.saves = nullptr;
    return ok;
}

bool settingsAndScheme(ShotSession& s)
{
    // A green scheme chosen before the first game, panels locked.
    MenuScreen* menu = s.flow->openMenu(GameFlow::MenuMode::Start);
    menu->button(5)->click();
    auto* settings = qobject_cast<SettingsScreen*>(window("frmNastroiki"));
    if (!settings)
        return false;
    bool ok = s.save(settings, QStringLiteral("settings-open.png"));
    pick(settings, "Command1", QColor(0, 48, 16));
    pick(settings, "Command2", QColor(40, 170, 70));
    pick(settings, "Command3", QColor(0, 90, 40));
    pick(settings, "Command4", QColor(200, 255, 160));
    pick(settings, "Command5", QColor(10, 70, 30));
    pick(settings, "Command6", QColor(255, 255, 255));
    pick(settings, "Command8", QColor(220, 255, 200));
    settings->findChild<QRadioButton*>(QStringLiteral("Option1"))->click();
    settings->melodyOption(2)->click();
    ok &= s.save(settings, QStringLiteral("settings-chosen.png"));
    settings->confirm();
    QApplication::processEvents();

    menu->close();
    QApplication::processEvents();
    MainScreen* screen = s.newGame();
    for (int day = 0; day < 5; ++day)
        screen->dailyTick();
    screen->stopClock();
    ok &= s.save(screen, QStringLiteral("main-green-scheme.png"));
    screen->toolbarKey(QStringLiteral("Komp"));
    ok &= s.save(screen, QStringLiteral("main-green-computer.png"));
    return ok;
}

const ShotRegistrar dialogs("40-save-load", saveAndLoadDialogs);
const ShotRegistrar scheme("41-settings-scheme", settingsAndScheme);
} // namespace
