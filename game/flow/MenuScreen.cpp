#include "MenuScreen.h"

#include "AboutBox.h"
#include "kit/ButtonPress.h"
#include "kit/Colours.h"
#include "kit/Dialogs.h"
#include "GameContext.h"

#include "state/Captions.h"
#include "state/GameState.h"
#include "world/NewGame.h"

#include <QCloseEvent>
#include <QFocusEvent>
#include <QFontDatabase>
#include <QKeyEvent>
#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>

namespace {
// A button either runs a procedure of the menu or opens another subsystem's dialog.
using MenuHook = std::function<void(QWidget&)> Hooks::*;

struct MenuButtonRow {
    const char* name;
    const char* caption;
    void (MenuScreen::*procedure)();
    MenuHook dialog;
};

// In the order of their numbers, top to bottom.
const MenuButtonRow menuButtons[] = {
    {"cmdSave", "Сохранить игру", nullptr, &Hooks::openSave},
    {"cmdLoad", "Загрузить игру", nullptr, &Hooks::openLoad},
    {"cmdNevG", "Новая игра", &MenuScreen::newGameProcedure, nullptr},
    {"cmdContinue", "Продолжить игру", &MenuScreen::continueProcedure, nullptr},
    {"cmdOptions", "Настройки", nullptr, &Hooks::openSettings},
    {"cmdAbout", "О программе", &MenuScreen::openAbout, nullptr},
    {"cmdExit", "Выход из игры", &MenuScreen::exitProcedure, nullptr},
};


constexpr int Width = 360;
constexpr int ButtonWidth = 280, ButtonHeight = 42, ButtonGap = 10, ButtonsTop = 104;
constexpr int Height = ButtonsTop + 7 * (ButtonHeight + ButtonGap) + 20;

QFont menuFont()
{
    // "Scrawl" where it is installed, else a slanted serif with Cyrillic letters. A family the
    // font database does not hold is left out rather than asked for: fontconfig's search for a
    // missing family costs the start-up about 2 ms.
    static const bool scrawl =
        QFontDatabase::families().contains(QStringLiteral("Scrawl"), Qt::CaseInsensitive);
    QFont font;
    font.setFamilies(scrawl ? QStringList{QStringLiteral("Scrawl"), QStringLiteral("DejaVu Serif")}
                            : QStringList{QStringLiteral("DejaVu Serif")});
    font.setPointSize(14);
    font.setBold(true);
    font.setItalic(true);
    return font;
}

// The button face is exactly its colour, with a bevel in its own lighter and darker shades;
// the caption is yellow on the normal red and dark on the bright highlight.
void paintButton(QPushButton* button, uint32_t colour)
{
    setBackColour(button, colour);
    const QColor face = toQColor(colour);
    const QColor text = colour == MenuScreen::HighlightColour ? ChromeColours::MenuHighlightText
                                                              : ChromeColours::MenuButtonText;
    button->setStyleSheet(
        QStringLiteral("QPushButton { background-color: %1; color: %2; border: 2px outset %3;"
                       " border-radius: 6px; }"
                       "QPushButton:pressed { border-style: inset; }"
                       "QPushButton:disabled { color: %4; }")
            .arg(face.name(), text.name(), face.lighter(140).name(), face.lighter(170).name()));
}
} // namespace

MenuScreen::MenuScreen(GameContext& context, QWidget* parent)
    : QWidget(parent, Qt::Window), m_ctx(context)
{
    setObjectName(QStringLiteral("frmMenu"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(ProgramTitle + QStringLiteral(" — главное меню"));
    setFixedSize(Width, Height);
    setMouseTracking(true);

    for (int i = 0; i < MenuHighlight::ButtonCount; ++i) {
        const MenuButtonRow& row = menuButtons[i];
        auto* button = new QPushButton(QString::fromUtf8(row.caption), this);
        button->setObjectName(QString::fromLatin1(row.name));
        button->setGeometry((Width - ButtonWidth) / 2, ButtonsTop + i * (ButtonHeight + ButtonGap),
                            ButtonWidth, ButtonHeight);
        button->setFont(menuFont());
        button->setMouseTracking(true);
        paintButton(button, NormalColour);
        button->installEventFilter(this);
        clickOnEnter(button);
        connect(button, &QPushButton::clicked, this, [this, i] { press(i + 1); });
        m_buttons[size_t(i)] = button;
    }
    load();
}

void MenuScreen::load()
{
    // The resource cursor of clickable controls.
    for (QPushButton* button : m_buttons)
        button->setCursor(Qt::PointingHandCursor);
    const GameState& g = m_ctx.game;
    enableSaveAndContinue(g.mainScreenShown == True);
    m_ctx.game.melody1On = True;
}

QPushButton* MenuScreen::button(int number) const
{
    if (number < 1 || number > MenuHighlight::ButtonCount)
        return nullptr;
    return m_buttons[size_t(number - 1)];
}

void MenuScreen::enableSaveAndContinue(bool enabled)
{
    button(1)->setEnabled(enabled);
    button(4)->setEnabled(enabled);
}

int MenuScreen::numberOf(const QObject* object) const
{
    for (int i = 0; i < MenuHighlight::ButtonCount; ++i) {
        if (m_buttons[size_t(i)] == object)
            return i + 1;
    }
    return 0;
}

void MenuScreen::apply(const std::vector<MenuHighlight::Change>& changes)
{
    for (const MenuHighlight::Change& change : changes)
        paintButton(button(change.button), change.highlighted ? HighlightColour : NormalColour);
}

bool MenuScreen::eventFilter(QObject* watched, QEvent* event)
{
    const int k = numberOf(watched);
    if (k != 0) {
        switch (event->type()) {
        case QEvent::FocusIn:
            apply(m_highlight.focusIn(k));
            break;
        case QEvent::FocusOut:
            apply(m_highlight.focusOut());
            break;
        case QEvent::MouseMove:
            // A disabled button takes no mouse input: the move is one over the background.
            if (static_cast<QWidget*>(watched)->isEnabled())
                apply(m_highlight.mouseOver(k));
            else
                apply(m_highlight.backgroundMove());
            break;
        default:
            break;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void MenuScreen::mouseMoveEvent(QMouseEvent* event)
{
    // A move a button passes on to its parent is not a move over the background (a disabled
    // button's move was counted as one already).
    if (!childAt(event->position().toPoint()))
        apply(m_highlight.backgroundMove());
    QWidget::mouseMoveEvent(event);
}

void MenuScreen::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient body(0, 0, 0, height());
    body.setColorAt(0, ChromeColours::MenuBodyTop);
    body.setColorAt(1, ChromeColours::MenuBodyBottom);
    p.fillRect(rect(), body);

    QFont title = menuFont();
    title.setPointSize(30);
    p.setFont(title);
    const QRect titleBox(0, 14, width(), 56);
    p.setPen(ChromeColours::MenuTitleShadow);
    p.drawText(titleBox.translated(3, 3), Qt::AlignCenter, ProgramTitle);
    p.setPen(ChromeColours::MenuTitle);
    p.drawText(titleBox, Qt::AlignCenter, ProgramTitle);

    QFont subtitle = font();
    subtitle.setPointSize(10);
    p.setFont(subtitle);
    p.setPen(ChromeColours::MenuSubtitle);
    p.drawText(QRect(0, 70, width(), 22), Qt::AlignCenter, QStringLiteral("Главное меню"));
}

void MenuScreen::leave()
{
    m_leaving = true;
    close();
}

void MenuScreen::closeEvent(QCloseEvent* event)
{
    // Closed from outside (the window manager's close, Alt+F4): over a running game the menu
    // goes back to it as "Продолжить игру" does; before any game it asks the exit question,
    // and No leaves the menu as it was.
    if (!m_leaving) {
        if (!m_ctx.gameRuns()) {
            event->ignore();
            m_ctx.askToExit(this);
            return;
        }
        m_ctx.continueGame();
    }
    emit closed();
    QWidget::closeEvent(event);
}

void MenuScreen::press(int number)
{
    const MenuButtonRow& row = menuButtons[number - 1];
    if (row.procedure)
        (this->*row.procedure)();
    else if (const auto& open = m_ctx.hooks.*row.dialog)
        open(*this);
}

void MenuScreen::newGameProcedure()
{
    Dialogs& dialogs = m_ctx.dialogs();
    // Over a running game a cancelled name is a misclick: back to the menu, the game as it
    // was. Only before the first game does an empty name ask whether to leave the program.
    const bool gameRuns = m_ctx.gameRuns();
    QString name;
    for (;;) {
        name = dialogs.askText(this, QStringLiteral("Товарищ, введите ваше имя"), ProgramTitle);
        if (!name.isEmpty()) {
            const std::optional<Message> problem = playerNameProblem(name);
            if (!problem)
                break;
            showMessage(dialogs, this, *problem);
            continue;
        }
        if (gameRuns)
            return;
        const Message noName{QStringLiteral("Товарищ, Вы не ввели имя. Выйти из игры?"),
                             WarningCaption, Message::Icon::Question, Message::Buttons::YesNo};
        if (showMessage(dialogs, this, noName)) {
            m_ctx.quit();
            return;
        }
    }
    m_ctx.game.playerName = name;
    // The menu closes once the main screen is up, so the program is never without a window.
    m_ctx.startNewGame();
    leave();
}

void MenuScreen::continueProcedure()
{
    m_ctx.continueGame();
    leave();
}

void MenuScreen::exitProcedure()
{
    m_ctx.askToExit(this);
}

void MenuScreen::openAbout()
{
    auto* about = new AboutBox(this);
    about->setWindowModality(Qt::ApplicationModal);
    about->show();
}
