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
};
extern const std::array<Skill, 19> skills;

struct StatusLabels {
    QString lblStatus;
    QString lblOpit; // plain digits
};

// Counts every newly known skill into experience once and picks the status title.
StatusLabels recomputeExperience(GameState& g);
