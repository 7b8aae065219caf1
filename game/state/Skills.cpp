#include "Skills.h"

using G = GameState;
using enum SkillGroup;

const std::array<Skill, 19> skills{{
    {&G::knowsWin98, &G::scoredWin98, 1, Systems, "lblWin98"},
    {&G::knowsWinXp, &G::scoredWinXp, 2, Systems, "lblWinXP"},
    {&G::knowsUnix, &G::scoredUnix, 2, Systems, "lblUnix"},
    {&G::knowsVc, &G::scoredVc, 10, Programming, "lblVC"},
    {&G::knowsVfp, &G::scoredVfp, 8, Programming, "lblVFP"},
    {&G::knowsVb, &G::scoredVb, 9, Programming, "lblVB"},
    {&G::knowsPds, &G::scoredPds, 9, Programming, "lblPDS"},
    {&G::knowsDelphi, &G::scoredDelphi, 2, Programming, "lblDel"},
    {&G::knowsHtml, &G::scoredHtml, 2, Web, "lblHTML"},
    {&G::knowsPhp, &G::scoredPhp, 2, Web, "lblPHP"},
    {&G::knowsPerl, &G::scoredPerl, 2, Web, "lblPerl"},
    {&G::knowsSql, &G::scoredSql, 2, Web, "lblSQL"},
    {&G::knowsApache, &G::scoredApache, 2, Web, "lblApache"},
    {&G::knowsCorelDraw, &G::scoredCorelDraw, 2, Design, "lblCDr"},
    {&G::knowsPhotoshop, &G::scoredPhotoshop, 2, Design, "lblPhoto"},
    {&G::knowsDreamweaver, &G::scoredDreamweaver, 2, Design, "lblMacroDream"},
    {&G::knowsFlash, &G::scoredFlash, 2, Design, "lblMacroFlash"},
    {&G::knowsStudio3d, &G::scoredStudio3d, 2, Design, "lblStudio"},
    {&G::knowsOffice, &G::scoredOffice, 2, Design, "lblOffice"},
}};
