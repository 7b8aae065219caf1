// The nine jobs of the jobs page and the rules for taking one. A job needs certain skills
// and, except the first, a number of days in the job held before it.
#pragma once

#include "state/GameState.h"

#include <QString>

#include <array>
#include <optional>
#include <vector>

using SkillFlag = Flag GameState::*;

struct Job {
    const char* label;   // the clickable label on the jobs page
    const char* caption;
    int16_t pay;         // dailyPay while the job is held; every job pays differently
    // The take rule: every group needs at least one of its skills, and seniority must reach
    // the minimum.
    std::vector<std::vector<SkillFlag>> skills;
    int32_t seniority;
    std::vector<const char*> requirementLines; // what lblTreb shows; display only
    const char* line; // the home page's job line lblRab while the job is held
};
extern const std::array<Job, 9> jobs;

const Job* jobNamed(const QString& label);
// The job that pays this much a day: the job held, found from dailyPay; nullptr for a pay that
// is no job's (1, the benefit, included).
const Job* jobForPay(int16_t dailyPay);
// The lblRab text for a daily pay; nothing for a pay that is no job's.
std::optional<QString> jobLineForPay(int16_t dailyPay);

// The take rule of the job, with its either-or conditions.
bool jobAvailable(const GameState& g, const Job& job);

// The requirement lines joined by carriage returns.
QString requirementText(const Job& job);

struct JobHover {
    QString lblTreb;
    QString lblDostupna; // "Трудоустройство возможно" / "С вашими знаниями эта работа недоступна!"
};
JobHover hoverJob(const GameState& g, const Job& job);

struct JobTaken {
    bool taken = false;
    const Job* enable = nullptr;  // the job given up: its label is enabled again
    const Job* disable = nullptr; // the job taken: its label is disabled
};
// A click on an enabled job label: the new pay, seniority from 0, a day of seniority a day.
JobTaken takeJob(GameState& g, const Job& job);

// A job label can be clicked while its job is not the one held.
bool jobLabelEnabled(const GameState& g, const Job& job);
