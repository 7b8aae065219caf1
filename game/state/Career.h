// Experience and status from the skills, and the job line from the daily pay.
#pragma once

#include "GameState.h"

#include <QString>

#include <array>
#include <optional>

struct StatusLabels {
    QString lblStatus;
    QString lblOpit; // plain digits
};

// Counts every newly known skill into experience once and picks the status title.
StatusLabels recomputeExperience(GameState& g);

struct JobLine {
    int16_t dailyPay;
    const char* text;     // what lblRab shows
    const char* jobLabel; // the job's label on the jobs page
};
extern const std::array<JobLine, 9> jobLines;

// The lblRab text for a daily pay; nothing for a pay that is no job's (1 included).
std::optional<QString> jobLineForPay(int16_t dailyPay);
// The job whose pay this is, if any.
const JobLine* jobForPay(int16_t dailyPay);
