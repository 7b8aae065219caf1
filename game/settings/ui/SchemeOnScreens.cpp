#include "SchemeOnScreens.h"

#include "kit/CatalogueLabels.h"
#include "kit/Colours.h"
#include "flow/GameContext.h"
#include "flow/MainScreen.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QLabel>
#include <QRadioButton>

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
    if (c.text)
        setForeColour(control, *c.text);
}

void applySchemeToScreen(QWidget& screen, const GameState& g)
{
    if (!schemeApplies(g))
        return;
    const QString name = screen.objectName();
    for (const RegistryEntry& entry : gradientList()) {
        if (name != QLatin1String(entry.screen) || !entry.control)
            continue;
        QWidget* control = screen.findChild<QWidget*>(QString::fromLatin1(entry.control));
        if (control)
            applyControlColours(control, gradientListColours(g, entry, controlKind(control)));
    }
    if (const auto background = screenBackground(g, name.toStdString()))
        setBackColour(&screen, *background);
}

QList<QWidget*> otherSchemeScreens()
{
    QList<QWidget*> screens;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        const QString name = window->objectName();
        if (name == QLatin1String(SchemeScreens::Main))
            continue;
        for (const RegistryEntry& entry : gradientList()) {
            if (name == QLatin1String(entry.screen)) {
                screens << window;
                break;
            }
        }
    }
    return screens;
}

void applyColourScheme(MainScreen& main)
{
    const GameState& g = main.context().game;
    if (!schemeApplies(g))
        return;
    applySchemeToScreen(main, g);
    const ControlColours plain = plainListColours(g);
    for (QWidget* label : main.catalogues().labels())
        applyControlColours(label, plain);
    for (QWidget* screen : otherSchemeScreens())
        applySchemeToScreen(*screen, g);
}
