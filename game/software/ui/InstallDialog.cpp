#include "InstallDialog.h"

#include "SoftwarePictures.h"

#include "kit/ButtonPress.h"
#include "kit/ColourRegistry.h"
#include "kit/Colours.h"
#include "kit/Controls.h"
#include "kit/Dialogs.h"
#include "flow/GameContext.h"
#include "kit/ScreenKit.h"
#include "settings/ColourScheme.h"
#include "state/GameState.h"

#include <QFrame>
#include <QLabel>
#include <QProgressBar>
#include <QTimer>

#include <vuzedovi/Tavorel.h>

#include <algorithm>
#include <string_view>

namespace {
constexpr int Width = 380, Height = 200;
// The four Tavorels take the colour scheme; the frame PanelUstanovka drags the dialog.
constexpr const char* tavorels[] = {"PanelUstanovka", "Command1", "Tavorel1", "cmdCancel"};
constexpr ColouredScreen coloured{"frmUstanovka", tavorels, "PanelUstanovka"};

vuzedovi::Tavorel* tavorel(QWidget* root, const char* name)
{
    return ::tavorel(controlNamed(root, name));
}
} // namespace

InstallDialog::InstallDialog(GameContext& context, const InstallDialogOpening& opening,
                             std::function<void(const InstallResult&)> showOnPage,
                             QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), m_ctx(context),
      m_showOnPage(std::move(showOnPage))
{
    setObjectName(QStringLiteral("frmUstanovka"));
    registerColouredScreen(coloured);
    setWindowTitle(QStringLiteral("Установка / удаление программ"));
    setModal(true);
    setFixedSize(Width, Height);
    setBackColour(this, DesignColours::WindowBody);

    vuzedovi::PropertyBag frame = panelProperties(QStringLiteral("Установка / удаление программ"));
    frame.write(QStringLiteral("movecontrol"), int(vuzedovi::constMoveControl::MoveForm));
    createTavorels(this, {
        {"PanelUstanovka", nullptr, {0, 0, Width, Height}, frame},
        {"Command1", "PanelUstanovka", {16, 146, 112, 38}, buttonProperties(QStringLiteral("Установить"))},
        {"Tavorel1", "PanelUstanovka", {134, 146, 112, 38}, buttonProperties(QStringLiteral("Удалить"))},
        {"cmdCancel", "PanelUstanovka", {252, 146, 112, 38}, buttonProperties(QStringLiteral("Нет"))},
    });

    QWidget* panel = controlNamed(this, "PanelUstanovka");
    auto* image = new QLabel(panel);
    image->setObjectName(QStringLiteral("Image1"));
    image->setGeometry(16, 38, 48, 48);
    image->setPixmap(installPicture());

    QLabel* name = createLabel(this, {"lblUstanovka", "PanelUstanovka", {76, 40, 288, 44}, "",
                                      LabelKind::Value});
    name->setWordWrap(true);
    // The chosen program's name, from the moment the dialog opens.
    name->setText(opening.lblUstanovka);

    auto* line = new QFrame(panel);
    line->setObjectName(QStringLiteral("Line1"));
    line->setGeometry(16, 96, 348, 2);
    line->setFrameShape(QFrame::HLine);
    setPaletteColours(line, {{QPalette::WindowText, toQColor(DesignColours::LabelText)}});

    m_bar = createProgressBar(panel, "prgUstanovka", {16, 110, 348, 22});

    m_fillTimer = namedTimer(this, "tmrZapolnenie", FillFrameMs);
    connect(m_fillTimer, &QTimer::timeout, this, &InstallDialog::fillTick);

    tavorel(this, "Command1")->setVisible(opening.command1Visible);
    onPress(tavorel(this, "Command1"), [this] { install(); }, PressOn::KeyDown);
    onPress(tavorel(this, "Tavorel1"), [this] { remove(); });
    onPress(tavorel(this, "cmdCancel"), [this] { cancel(); });

    colourFromScheme();
    if (parent)
        move(parent->geometry().center() - rect().center());
}

// The four Tavorels take the scheme's gradient and caption colours whenever the dialog opens;
// the panel lock's movement modes (the frame moves the dialog while the panels may move) come
// with the scheme's applying, so not once the settings were cancelled.
void InstallDialog::colourFromScheme()
{
    const bool movement = schemeApplies(m_ctx.game);
    for (const char* name : tavorels) {
        const ControlColours c =
            gradientListColours(m_ctx.game, ControlKind::GradientButton,
                                std::string_view(name) == coloured.windowPanel);
        vuzedovi::Tavorel* t = tavorel(this, name);
        if (c.gradientStart)
            t->setColorStart(*c.gradientStart);
        if (c.gradientEnd)
            t->setColorEnd(*c.gradientEnd);
        if (c.caption)
            t->setForeColor(*c.caption);
        if (c.moveControl && movement)
            t->setMoveControl(vuzedovi::constMoveControl(*c.moveControl));
    }
}

void InstallDialog::install()
{
    if (!filling())
        act(installProgram(m_ctx.game));
}

void InstallDialog::remove()
{
    if (!filling())
        act(removeProgram(m_ctx.game));
}

void InstallDialog::cancel()
{
    if (!filling())
        done(Rejected);
}

void InstallDialog::reject()
{
    cancel();
}

void InstallDialog::act(const InstallResult& result)
{
    if (result.warning)
        showMessage(m_ctx.dialogs(), this, *result.warning);
    if (m_showOnPage)
        m_showOnPage(result);
    if (result.staysOpen)
        return;
    m_bar->setValue(0);
    m_fillStart = m_ctx.clock().nowMs();
    m_fillTimer->start();
}

void InstallDialog::fillTick()
{
    if (!filling())
        return;
    const qint64 elapsed = std::max<qint64>(0, m_ctx.clock().nowMs() - m_fillStart);
    const int value = int(std::min<qint64>(100, elapsed * 100 / FillMs));
    m_bar->setValue(value);
    if (value < 100)
        return;
    // The full bar is painted before the dialog goes.
    m_bar->repaint();
    m_fillTimer->stop();
    m_fillStart = -1;
    done(Accepted);
}
