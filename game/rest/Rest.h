// The rest screen frmOtdyh: five paid activities that raise mood, never above 100.
#pragma once

#include "state/GameState.h"
#include "state/Message.h"

#include <QString>

#include <array>

struct RestActivity {
    const char* label;   // Label1 .. Label5
    const char* caption;
    int16_t price;       // roubles
    int16_t gain;        // mood points; 100 fills the mood up
    const char* description; // lblOpisanie while hovered
    const char* message;     // shown when the activity is bought
};
extern const std::array<RestActivity, 5> restActivities;

const RestActivity* restActivityNamed(const QString& label);

// The new mood: the gain added while that stays at most 100, otherwise 100.
float moodAfterRest(float mood, int16_t gain);

// A click on an activity. Money equal to the price is enough; the price is charged in full
// even when mood is already 100. Returns the message to show (OK only, no icon, the
// program's title as caption): "Не хватает денег!" when refused.
Message chooseRestActivity(GameState& g, const RestActivity& activity);
