// The nineteen skills, in course order, with what the experience recomputation needs.
#pragma once

#include "GameState.h"

#include <array>

enum class SkillGroup { Systems, Programming, Web, Design };

struct Skill {
    Flag GameState::*knows;
    Flag GameState::*scored;
    int16_t points;          // experience the skill is worth
    SkillGroup group;
    const char* trainingLabel; // its course label on the training page
};

extern const std::array<Skill, 19> skills;
