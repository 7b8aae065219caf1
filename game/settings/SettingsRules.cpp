#include "SettingsRules.h"

const std::array<const char*, MelodyOption::Count>& melodyOptionCaptions()
{
    static const std::array<const char*, MelodyOption::Count> captions{
        "Мелодия № 1", "Мелодия № 2", "Мелодия № 3", "Выбрать свою мелодию",
        "Не проигрывать мелодии"};
    return captions;
}

void openSettings(GameState& g)
{
    g.settingsConfirmed = False;
}

void chooseColour(GameState& g, const SchemeColour& row, uint32_t colour)
{
    g.*row.field = colour;
}

uint32_t averageColour(uint32_t a, uint32_t b)
{
    // Summed in 64 bits: two colours with the top bit set must not wrap around.
    return uint32_t((uint64_t(a) + uint64_t(b)) / 2);
}

AutomaticBackground chooseAutomaticBackground(GameState& g)
{
    const uint32_t colour = averageColour(schemeColour(g, &GameState::colourGradientStart),
                                          schemeColour(g, &GameState::colourGradientEnd));
    g.colourBackground = colour;
    return {colour, false};
}

std::optional<Message> clickMelodyOption(GameState& g, int index)
{
    if (index == MelodyOption::OwnMelody) {
        return Message{QStringLiteral("Извините, товарищ ") + g.playerName +
                           QStringLiteral(", но эта настройка будет доступна только в "
                                          "следующей версии."),
                       WarningCaption, Message::Icon::Information};
    }
    if (index == MelodyOption::NoMusic)
        g.melody1On = g.melody2On = g.melody3On = False;
    return std::nullopt;
}

void confirmSettings(GameState& g, const SettingsChoice& choice)
{
    g.melody1On = toFlag(choice.melodyOption == MelodyOption::First);
    g.melody2On = toFlag(choice.melodyOption == MelodyOption::Second);
    g.melody3On = toFlag(choice.melodyOption == MelodyOption::Third);
    g.settingsConfirmed = True;
    if (choice.previewStart == DefaultColours::GradientStart &&
        choice.previewEnd == DefaultColours::GradientEnd)
        setDefaultColours(g);
    g.panelsLocked = toFlag(choice.panelsLocked);
}

void cancelSettings(GameState& g)
{
    g.settingsCancelled = True;
}
