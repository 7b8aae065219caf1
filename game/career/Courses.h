// The nineteen training courses of the training page and the rules for buying them.
// Thirteen courses are timed: the skill is learned at the click, a progress bar runs for 101
// ticks of 250 ms and the price is charged when it ends. The six application courses are
// immediate: paid and learned at the click.
#pragma once

#include "state/GameState.h"

#include <QString>

#include <array>

enum class CourseKind { Timed, Immediate };

struct Course {
    const char* label;   // the clickable label on the training page
    const char* caption; // names the skill
    const char* panel;   // Tavorel1 .. Tavorel4
    int16_t price;       // whole roubles
    Flag GameState::*requiredProgram; // an installed flag, or nullptr
    CourseKind kind;
    Flag GameState::*skill;
    const char* toolTip;     // nullptr: none
    const char* installLine; // the description's second line, nullptr for no program
};
extern const std::array<Course, 19> courses;

struct CoursePanel {
    const char* name;
    const char* caption;
};
extern const std::array<CoursePanel, 4> coursePanels;

const Course* courseNamed(const QString& label);

// The training page's running course (main-screen state, not saved).
struct CourseRun {
    const Course* pendingCourse = nullptr; // pendingCourseLabel
    Currency pendingCoursePrice;
    bool running() const { return pendingCourse != nullptr; }
};

// More money than the price (exactly the price is not enough) and, for a course that needs a
// program, that program installed. Whether the skill is known already is not looked at.
bool courseAvailable(const GameState& g, const Course& course);

// "Стоимость обучения: 100 p." and, for a course that needs a program, a carriage return and
// the program to install.
QString courseDescription(const Course& course);

struct CourseHover {
    QString lblOpisanie;
    QString lblVozmozhno; // "Обучение возможно" / "Обучение невозможно"
};
CourseHover hoverCourse(const GameState& g, const Course& course);

enum class CourseStart {
    Refused,  // nothing happens and nothing is shown
    Timed,    // show prgObuchenie and start tmrObuchenie; the label stays enabled until the end
    Immediate // the label is disabled for good
};
// A click on an enabled course label. While a timed course runs, another timed course is
// refused, so the one running is always the one charged.
CourseStart startCourse(GameState& g, CourseRun& run, const Course& course);

struct CourseTick {
    int progress = 0;            // prgObuchenie's value
    bool panelsVisible = false;  // Tavorel1 to Tavorel4
    QString label2;              // the status line
    bool finished = false;       // stop tmrObuchenie and hide prgObuchenie
    const Course* completed = nullptr; // its label is disabled for good
};
// One tick of tmrObuchenie: the bar shows 0, 1, ..., 100 on ticks 1 to 101 and the course
// completes on tick 101.
CourseTick courseTick(GameState& g, CourseRun& run);

// The price of a finished timed course is charged even when it drives money below zero.
void completeCourse(GameState& g, Currency price);

// A new or loaded game: a course of the previous game stops without being charged.
void cancelCourse(GameState& g, CourseRun& run);

// A course label can be clicked while its skill is not known (and its course not running).
bool courseLabelEnabled(const GameState& g, const Course& course);
