// The nineteen skills, in record order, with the experience each is worth and the group it
// belongs to; and the experience and status recomputation that reads them.
#pragma once

#include "state/GameState.h"

#include <QString>

#include <array>

enum class SkillGroup { Systems, Programming, Web, Design };

struct Skill {
    Flag GameState::*knows;
    Flag GameState::*scored; // its points have been counted into experience
    int16_t points;
    SkillGroup group;
    const char* knowsField;  // the names of the two flags (the saved-game keys)
    const char* scoredField;
};

#define SKILL(knows, scored, points, group) \
    Skill{&GameState::knows, &GameState::scored, points, SkillGroup::group, #knows, #scored}

inline constexpr std::array<Skill, 19> skills{{
    SKILL(knowsWin98, scoredWin98, 1, Systems),
    SKILL(knowsWinXp, scoredWinXp, 2, Systems),
    SKILL(knowsUnix, scoredUnix, 2, Systems),
    SKILL(knowsVc, scoredVc, 10, Programming),
    SKILL(knowsVfp, scoredVfp, 8, Programming),
    SKILL(knowsVb, scoredVb, 9, Programming),
    SKILL(knowsPds, scoredPds, 9, Programming),
    SKILL(knowsDelphi, scoredDelphi, 2, Programming),
    SKILL(knowsHtml, scoredHtml, 2, Web),
    SKILL(knowsPhp, scoredPhp, 2, Web),
    SKILL(knowsPerl, scoredPerl, 2, Web),
    SKILL(knowsSql, scoredSql, 2, Web),
    SKILL(knowsApache, scoredApache, 2, Web),
    SKILL(knowsCorelDraw, scoredCorelDraw, 2, Design),
    SKILL(knowsPhotoshop, scoredPhotoshop, 2, Design),
    SKILL(knowsDreamweaver, scoredDreamweaver, 2, Design),
    SKILL(knowsFlash, scoredFlash, 2, Design),
    SKILL(knowsStudio3d, scoredStudio3d, 2, Design),
    SKILL(knowsOffice, scoredOffice, 2, Design),
}};

#undef SKILL

struct StatusLabels {
    QString lblStatus;
    QString lblOpit; // plain digits
};

// Counts every newly known skill into experience once and picks the status title.
StatusLabels recomputeExperience(GameState& g);
