#include "GameState.h"

GameState& theGame()
{
    static GameState state;
    return state;
}

void setDefaultColours(GameState& g)
{
    g.colourGradientStart = DefaultColours::GradientStart;
    g.colourGradientEnd = DefaultColours::GradientEnd;
    g.colourGradientStart2 = DefaultColours::GradientStart2;
    g.colourGradientEnd2 = DefaultColours::GradientEnd2;
    g.colourChoiceButtons = DefaultColours::ChoiceButtons;
    g.colourCaption = DefaultColours::Caption;
    g.colourBackground = DefaultColours::Background;
    g.colourText = DefaultColours::Text;
}

using G = GameState;

const std::array<Flag GameState::*, 11> onlinePurchaseFlags{
    &G::downloadedParadox, &G::downloadedDbisam, &G::downloadedAccess,
    &G::passedCourseVbVcFox, &G::passedDbIntro1, &G::passedDbIntro2, &G::passedFoxDb1,
    &G::passedFoxDb2, &G::passedDbms1, &G::passedDbms2, &G::passedDbms3};
