// Page 3: the nine category panels with their part labels, and the price line lblShowTsena.
// Everything is built from the parts and categories tables; a click buys, the pointer shows
// the price, "Да" shows the disk bar, the capacity and the summary.
#include "ComputerPage.h"

#include "kit/CatalogueLabels.h"
#include "kit/Colours.h"
#include "kit/Controls.h"
#include "flow/GameContext.h"
#include "flow/MainScreen.h"
#include "flow/MainScreenPages.h"
#include "kit/ScreenKit.h"
#include "settings/ColourScheme.h"
#include "state/GameState.h"

#include <QLabel>

#include <algorithm>

namespace {
// The panels stand in three columns, three categories to a row in summary order; each row is
// as tall as its longest list.
constexpr int Columns = 3, ColumnWidth = 254, Gap = 8;

constexpr int rowTop(int row)
{
    int top = Gap;
    for (int r = 0; r < row; ++r) {
        size_t longest = 0;
        for (int c = 0; c < Columns; ++c)
            longest = std::max(longest, partCount(Category(r * Columns + c)));
        top += cataloguePanelHeight(int(longest)) + Gap;
    }
    return top;
}

constexpr QRect panelPlace(Category c)
{
    const int i = int(c);
    return {Gap + (i % Columns) * (ColumnWidth + Gap), rowTop(i / Columns), ColumnWidth,
            cataloguePanelHeight(int(partCount(c)))};
}
static_assert(rowTop(3) <= ConfirmButtonPlace.top() - 8, "the panels end above the price line");

// The price line: a Tavorel used as a text display, beside "Да".
constexpr QRect PriceLinePlace{Gap, ConfirmButtonPlace.top(), ConfirmButtonPlace.left() - 2 * Gap,
                               ConfirmButtonPlace.height()};

vuzedovi::PropertyBag priceLineProperties()
{
    vuzedovi::PropertyBag bag = buttonProperties(QString());
    bag.write(QStringLiteral("textalign"), int(vuzedovi::constAlign::LeftMiddle));
    bag.write(QStringLiteral("style"), int(vuzedovi::constStyle::PanelDown));
    return bag;
}

void buildComputerPage(GameContext& context, QWidget& page)
{
    const ControlColours label = plainListColours(context.game);
    for (const CategoryInfo& c : categories) {
        createTavorel(&page, {c.panel, nullptr, panelPlace(c.category),
                              panelProperties(captionOf(c))});
        int row = 0;
        for (const Part& p : partsOf(c.category)) {
            QLabel* l = createLabel(&page, {p.label, c.panel, catalogueRow(row++, ColumnWidth),
                                            p.caption, LabelKind::Value});
            setBackColour(l, *label.background);
            setForeColour(l, *label.text);
            l->setCursor(Qt::PointingHandCursor);
            fadeWhenDisabled(l, CatalogueFading);
        }
    }
    createTavorel(&page, {"lblShowTsena", nullptr, PriceLinePlace, priceLineProperties()});
}

QWidget* partLabel(MainScreen& screen, const Part& p)
{
    return screen.control(p.label);
}

// A part's label: enabled while the part can be bought, disabled while it is owned, with its
// normal background (no highlight).
void showOwned(QWidget* label, bool owned, const GameState& g)
{
    if (!label)
        return;
    label->setEnabled(!owned);
    setBackColour(label, *plainListColours(g).background);
}

void addCatalogue(MainScreen& screen)
{
    GameState& g = screen.context().game;
    CatalogueTable table;
    for (const Part& p : parts)
        table.labels.push_back(QString::fromLatin1(p.label));
    for (const CategoryInfo& c : categories)
        table.panels.push_back(QString::fromLatin1(c.panel));
    table.descriptions = {QStringLiteral("lblShowTsena")};

    table.hover = [&screen, &g](int row) {
        const Part& p = parts[size_t(row)];
        // An owned part's label is disabled: no price, no purchase.
        if (isSet(g.*p.owned))
            return false;
        setCaption(screen.control("lblShowTsena"), partPriceText(g, p));
        return true;
    };
    table.describe = [&g](int row) { return partPriceText(g, parts[size_t(row)]); };
    table.click = [&screen, &g](int row) {
        const Purchase purchase = buyPart(g, parts[size_t(row)]);
        if (!purchase.bought)
            return;
        showOwned(partLabel(screen, *purchase.disable), true, g);
        for (const Part* old : purchase.enable)
            showOwned(partLabel(screen, *old), false, g);
    };
    screen.addCatalogue(std::move(table));
}

// "Да": back on the home page with the clock running, the disk bar, the summary and the
// capacity follow the computer.
void confirm(MainScreen& screen)
{
    const ComputerConfirmed shown = confirmComputer(screen.context().game);
    screen.showDiskBar(shown.prgVint);
    screen.showComputerSummary(shown.summary, false);
    screen.showDiskCapacity(shown.lblObiomVint);
}
} // namespace

void refreshComputer(MainScreen& screen)
{
    GameState& g = screen.context().game;
    capacityFromOwnedDisk(g);
    for (const Part& p : parts)
        showOwned(partLabel(screen, p), isSet(g.*p.owned), g);
    screen.showDiskBar(diskBar(g));
    screen.showDiskCapacity(QString::number(g.hddCapacityGb));
    screen.showComputerSummary(computerSummary(g), true);
}

void addComputerPage(GameContext& context)
{
    context.hooks.pages[ComputerPage].build = [&context](QWidget& page) {
        buildComputerPage(context, page);
    };
    context.hooks.pages[ComputerPage].confirmAfterResume = confirm;
    context.hooks.fillMainScreen.push_back(addCatalogue);
    context.hooks.refresh.push_back(refreshComputer);
}
