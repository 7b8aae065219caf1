// What the development screen offers: the fifteen desktop levels, the five web levels, the
// five development environments and the three web technologies.
#pragma once

#include "state/GameState.h"

#include <array>
#include <cstdint>
#include <optional>

using SkillFlag = Flag GameState::*;

// The environments, in the order of the option array optDS.
enum Environment : int { Delphi = 0, FoxPro = 1, QuickBasic = 2, VisualBasic = 3, VisualCpp = 4 };
inline constexpr int EnvironmentCount = 5;
inline constexpr uint8_t environmentBit(Environment e) { return uint8_t(1u << e); }

struct DevEnvironment {
    const char* caption;
    SkillFlag skill;      // enables the option
    bool showsNotice;     // Picture1: the hidden levels are out of this environment's reach
    // What the player hears when a level is out of this environment's reach (after
    // "Товарищ " and the name); nullptr for an environment that reaches every level.
    const char* outOfReach;
};
extern const std::array<DevEnvironment, EnvironmentCount> environments;

struct WebTechnology {
    const char* caption;
    SkillFlag skill;
};
extern const std::array<WebTechnology, 3> webTechnologies;

// What a level needs besides an environment that may start it.
enum class FurtherRequirement { None, VbVcFoxCourse, DatabaseChapter };
struct FurtherRequirementRule {
    FurtherRequirement requirement;
    const char* refusal; // after "Товарищ " and the name
};
extern const std::array<FurtherRequirementRule, 2> furtherRequirementRules;

struct DesktopLevel {
    const char* item;            // lstTipProj's item
    const char* numeral;
    uint8_t environments;        // environmentBit()s of the environments that may start it
    FurtherRequirement further;
    const char* requirementText; // lblTrebovania
    int16_t salePrice;           // roubles paid for the finished application
};
extern const std::array<DesktopLevel, 15> desktopLevels;

// A web level counts as the desktop level of the same numeral: the clock takes its days from
// that level and the sale pays that level's price, so the saved game's devProjectType and
// finishedProjectType describe a web project too.
struct WebLevel {
    const char* item;    // lstWeb's item
    const char* numeral;
    int32_t desktopLevel;
};
extern const std::array<WebLevel, 5> webLevels;

// Days a desktop level takes (the clock's duration table).
int16_t levelDays(int32_t desktopLevel);
int16_t webLevelDays(int32_t webLevel);
// The price the sale pays for a finished level; nothing for an index outside the table.
std::optional<int16_t> salePrice(int32_t finishedProjectType);
