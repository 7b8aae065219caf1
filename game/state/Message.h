// A message box the rules ask a screen to show: its text, caption, icon and buttons. The rules
// say what is shown; the screens show it through one function of the game's flow.
#pragma once

#include "Captions.h"

#include <QString>

#include <utility>

struct Message {
    enum class Icon { None, Information, Exclamation, Question };
    enum class Buttons {
        Ok,    // the player only reads it
        YesNo, // a question the player answers
    };

    QString text;
    QString caption = ProgramTitle;
    Icon icon = Icon::None;
    Buttons buttons = Buttons::Ok;

    bool operator==(const Message&) const = default;

    // What happened, told plainly: the program's title as caption, no icon, OK only.
    static Message plain(QString text) { return {std::move(text)}; }
    // A warning: captioned "Предупреждение", an exclamation mark, OK only.
    static Message warning(QString text)
    {
        return {std::move(text), WarningCaption, Icon::Exclamation};
    }
};
