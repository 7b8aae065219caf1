// How the game's Tavorel buttons are pressed. A press is the button's own: the Scroll Lock
// key (code 145) the control sends itself right after a left press on it, or Space or Enter
// pressed and released on it while it has the focus. A key released on a button whose key
// went down elsewhere presses nothing: the Enter that closed a message box, whose release
// lands on the button that has the focus again, or a letter typed at the button.
#pragma once

#include <functional>

class QAbstractButton;

namespace vuzedovi {
class Tavorel;
}

// Most buttons act on the key's release (KeyUp); the installation dialog's install button acts
// as the key goes down (KeyDown), once per press however long the key is held.
enum class PressOn { KeyUp, KeyDown };

// Runs action on each press of button, for as long as the button lives.
void onPress(vuzedovi::Tavorel* button, std::function<void()> action,
             PressOn when = PressOn::KeyUp);

// Enter on a focused Qt button (the menu's, the toolbar's keys) clicks it, as Space does; a
// held Enter clicks once.
void clickOnEnter(QAbstractButton* button);

// An option whose click acts (a purchase) rather than choosing: Tab reaches it, Space or Enter
// clicks it, and the arrow keys, which would move the choice along its group and click there,
// do nothing.
void clickOnKeys(QAbstractButton* option);
