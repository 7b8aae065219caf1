// What the main screen shows for the game, its pages and the other screens: the player's data,
// the clock's labels, the computer summary, the disk bar, the catalogues' entries and the
// software panel. Whoever changes one of these calls the function for it.
#include "MainScreen.h"

#include "kit/CatalogueLabels.h"
#include "kit/Controls.h"
#include "GameContext.h"
#include "kit/ScreenKit.h"

#include "software/Programs.h"
#include "state/GameState.h"
#include "state/NumberFormat.h"

#include <QComboBox>
#include <QLabel>
#include <QProgressBar>

#include <algorithm>

void MainScreen::showPlayerLabels(const PlayerLabels& labels)
{
    setElidedCaption(control<QLabel>("lblName"), labels.lblName);
    setCaption(control("lblStatus"), labels.lblStatus);
    setCaption(control("lblOpit"), labels.lblOpit);
    setCaption(control("lblRab"), labels.lblRab);
    setCaption(control("lblDengi"), labels.lblDengi);
}

void MainScreen::showClockLabels(const ClockLabels& labels)
{
    setCaption(control("Label1"), labels.label1);
    setCaption(control("lblStazh"), labels.lblStazh);
    setMoodBar(labels.moodBar);
    setCaption(control("lblPercent"), labels.lblPercent);
}

void MainScreen::showMoney()
{
    setCaption(control("lblDengi"), withSignPosition(m_ctx.game.money));
    // Every price's verdict reads the money.
    m_catalogues->describe();
}

void MainScreen::showMood()
{
    setMoodBar(m_ctx.game.mood);
    setCaption(control("lblPercent"), moodPercentText(m_ctx.game.mood));
}

void MainScreen::showStatus(const QString& status)
{
    setCaption(control("lblStatus"), status);
}

void MainScreen::showExperience(const QString& experience)
{
    setCaption(control("lblOpit"), experience);
}

void MainScreen::showJobLine(const QString& line)
{
    setCaption(control("lblRab"), line);
}

void MainScreen::showComputerSummary(const ComputerSummary& summary, bool clearAbsent)
{
    for (const CategoryInfo& c : categories) {
        const std::optional<QString>& caption = summary[size_t(c.category)];
        if (caption || clearAbsent)
            showSummaryLine(c.category, caption.value_or(QString()));
    }
}

void MainScreen::showSummaryLine(Category category, const QString& caption)
{
    if (QWidget* label = control(categoryInfo(category).summaryLabel))
        setCaption(label, caption);
}

void MainScreen::showDiskBar(const DiskBar& bar)
{
    auto* prgVint = control<QProgressBar>("prgVint");
    if (!prgVint)
        return;
    if (bar.maximum)
        prgVint->setRange(0, *bar.maximum);
    prgVint->setValue(std::clamp(bar.value, 0, prgVint->maximum()));
}

void MainScreen::showDiskUsed(int used)
{
    if (auto* prgVint = control<QProgressBar>("prgVint"))
        prgVint->setValue(used);
}

void MainScreen::showDiskCapacity(const QString& capacity)
{
    if (QWidget* label = control("lblObiomVint"))
        setCaption(label, capacity);
}

void MainScreen::showInstalled(const Program& program, bool installed)
{
    if (QWidget* mark = control(program.indicator))
        mark->setVisible(installed);
}

void MainScreen::enableCatalogueEntry(const QString& label)
{
    if (QWidget* entry = findChild<QWidget*>(label))
        entry->setEnabled(true);
}

void MainScreen::showInstalledSoftware(const QString& lines)
{
    showLines(control<QLabel>("lblProgrObesp"), lines);
}

void MainScreen::clearInstalledSoftware()
{
    if (auto* list = control<QComboBox>("cmbProgrObesp"))
        list->setCurrentIndex(-1);
    if (auto* installed = control<QLabel>("lblProgrObesp"))
        installed->setText(QStringLiteral("."));
}
