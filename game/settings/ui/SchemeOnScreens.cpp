#include "SchemeOnScreens.h"

#include "kit/CatalogueLabels.h"
#include "kit/ColourRegistry.h"
#include "kit/Colours.h"
#include "flow/GameContext.h"
#include "flow/MainScreen.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QLabel>
#include <QRadioButton>

#include <string_view>

#include <vuzedovi/Tavorel.h>

ControlKind controlKind(const QWidget* control)
{
    if (qobject_cast<const vuzedovi::Tavorel*>(control))
        return ControlKind::GradientButton;
    if (qobject_cast<const QLabel*>(control))
        return ControlKind::Label;
    if (qobject_cast<const QRadioButton*>(control))
        return ControlKind::OptionButton;
    if (qobject_cast<const QAbstractItemView*>(control))
        return ControlKind::ListBox;
    return ControlKind::Other;
}

void applyControlColours(QWidget* control, const ControlColours& c)
{
    if (c.gradientStart)
        control->setProperty("ColorStart", quint32(*c.gradientStart));
    if (c.gradientEnd)
        control->setProperty("ColorEnd", quint32(*c.gradientEnd));
    if (c.caption)
        control->setProperty("ForeColor", quint32(*c.caption));
    if (c.moveControl)
        control->setProperty("MoveControl",
                             QVariant::fromValue(vuzedovi::constMoveControl(*c.moveControl)));
    if (c.background && controlKind(control) == ControlKind::ListBox)
        // The scheme gives a list only its background: its names keep their design yellow
        // where that reads at 4.5:1, else turn black or white, disabled ones too.
        setListBoxColours(control, *c.background, c.text.value_or(DesignColours::LabelText));
    else if (c.background)
        setBackColour(control, *c.background);
    // Text keeps reading on the background the scheme gives: the scheme's text colour where
    // it reads at 4.5:1, a label's design yellow where that does, else black or white.
    const uint32_t preferred = c.text.value_or(DesignColours::LabelText);
    if (c.background && (c.text || controlKind(control) == ControlKind::Label))
        setForeColour(control, readableTextColour(*c.background, preferred));
    else if (c.text)
        setForeColour(control, *c.text);
}

namespace {
// The registered controls of one screen, by their kind, and its body; nothing for a screen
// the registry does not know.
void colourScreen(QWidget& screen, const GameState& g)
{
    const ColouredScreen* table = colouredScreen(screen.objectName());
    if (!table)
        return;
    for (const char* name : table->controls) {
        QWidget* control = screen.findChild<QWidget*>(QString::fromLatin1(name));
        const bool movesWindow = table->windowPanel && std::string_view(name) == table->windowPanel;
        if (control)
            applyControlColours(control, gradientListColours(g, controlKind(control), movesWindow));
    }
    if (const auto background = screenBackground(g, table->background))
        setBackColour(&screen, *background);
}
} // namespace

void applySchemeToScreen(QWidget& screen, const GameState& g)
{
    if (schemeApplies(g))
        colourScreen(screen, g);
}

QList<QWidget*> otherSchemeScreens(const QWidget& main)
{
    QList<QWidget*> screens;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        const QString name = window->objectName();
        if (name != main.objectName() && colouredScreen(name))
            screens << window;
    }
    return screens;
}

void putSchemeOnScreens(MainScreen& main)
{
    const GameState& g = main.context().game;
    colourScreen(main, g);
    const ControlColours plain = plainListColours(g);
    for (QWidget* label : main.catalogues().labels())
        applyControlColours(label, plain);
    for (QWidget* screen : otherSchemeScreens(main))
        colourScreen(*screen, g);
}

void applyColourScheme(MainScreen& main)
{
    if (schemeApplies(main.context().game))
        putSchemeOnScreens(main);
}
