#include "SchemeColours.h"

void setDefaultColours(GameState& g)
{
    for (const SchemeColour& c : schemeColours)
        g.*c.field = c.defaultValue;
}

uint32_t schemeColour(const GameState& g, Colour GameState::*field)
{
    return (g.*field).value_or(defaultColour(field));
}
