#include "GameState.h"

GameState& theGame()
{
    static GameState state;
    return state;
}

using G = GameState;

const std::array<Flag GameState::*, 11> onlinePurchaseFlags{
    &G::downloadedParadox, &G::downloadedDbisam, &G::downloadedAccess,
    &G::passedCourseVbVcFox, &G::passedDbIntro1, &G::passedDbIntro2, &G::passedFoxDb1,
    &G::passedFoxDb2, &G::passedDbms1, &G::passedDbms2, &G::passedDbms3};
