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

const std::array<Flag GameState::*, 19> installedSoftwareFlags{
    &G::installedWin98, &G::installedWinXp, &G::installedWin2000, &G::installedLinux,
    &G::installedLonghorn, &G::installedVc, &G::installedVfp, &G::installedVb, &G::installedPds,
    &G::installedDelphi, &G::installedCorelDraw, &G::installedPhotoshop,
    &G::installedDreamweaver, &G::installedFlash, &G::installedStudio3d, &G::installedOffice,
    &G::installedAntiDr, &G::installedAntiNorton, &G::installedAntiKasp};

const std::array<Flag GameState::*, 38> computerPartFlags{
    &G::mbGa7va, &G::mbJetway, &G::mbEcs, &G::mbD845glval, &G::mbAlbatron,
    &G::hdd20Gb5400, &G::hdd20Gb7200, &G::hdd40GbMaxtor, &G::hdd40GbIbm, &G::hdd60Gb,
    &G::hdd80Gb, &G::hdd120Gb,
    &G::cpuCeleron1200, &G::cpuCeleron2000, &G::cpuPentium3At1200, &G::cpuPentium3SAt1400,
    &G::cpuPentium4At1800, &G::cpuPentium4At2400, &G::cpuAmdXp2400,
    &G::soundCmi8738, &G::soundCt4810, &G::soundAudigy2,
    &G::ram128Sdram, &G::ram256Ddr, &G::ram512Ddr,
    &G::videoTnt2M64, &G::videoGf2Mx400, &G::videoRadeon9000, &G::videoGf4Ti4200,
    &G::monitorLg500e, &G::monitorSamsung757dfx, &G::monitorSonyE215e,
    &G::cdRomSamsung52, &G::cdRwLg24, &G::cdRwDvdLg48,
    &G::modemNeo56k, &G::modemAdsl, &G::modemRadio};

const std::array<Flag GameState::*, 11> onlinePurchaseFlags{
    &G::downloadedParadox, &G::downloadedDbisam, &G::downloadedAccess,
    &G::passedCourseVbVcFox, &G::passedDbIntro1, &G::passedDbIntro2, &G::passedFoxDb1,
    &G::passedFoxDb2, &G::passedDbms1, &G::passedDbms2, &G::passedDbms3};
