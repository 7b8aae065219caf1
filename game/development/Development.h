// Starting an application on the development screen frmRazrabotka. The clock advances the
// project one day per tick (the daily tick); these are the rules of the screen itself.
#pragma once

#include "Levels.h"
#include "ProjectDays.h"

#include "state/Message.h"

#include <QString>

#include <array>
#include <functional>
#include <optional>

// The list a project is started from.
enum class ProjectList { Desktop, Web };

// What the player has chosen on the screen.
struct DevChoice {
    int environment = -1;  // the selected optDS option, -1 for none
    int desktopItem = -1;  // the item selected in lstTipProj, -1 for none
};

// The five start checks in their order; the first that applies refuses the start with a
// warning. They read the desktop item and the environment, also when a web level is started.
std::optional<Message> startRefusal(const GameState& g, const DevChoice& choice);

// The name box: prompt, title and the text it offers.
struct NameBox {
    QString prompt;      // "Имя проекта"
    QString title;       // "Новый проект"
    QString defaultText; // "Project1"
};
NameBox projectNameBox();

struct ProjectStart {
    bool started = false;
    std::optional<Message> message;    // a refusal, or the player declined to name it
    QString lblInform;                 // when started
};
// A double click on item `level` of `list`: the checks, then the name box (askName is only
// called when no check refuses), then the start. A start replaces level and name and keeps
// devDaysDone. A web level is recorded in devWebType and also as the desktop level it counts
// as, in devProjectType. An empty answer (also Cancel) empties projectName.
ProjectStart startProject(GameState& g, const DevChoice& choice, ProjectList list, int level,
                          const std::function<QString(const NameBox&)>& askName);

// "Приложение IV уровня "Project1"".
QString projectCaption(const QString& numeral, const QString& name);
// lblInform when the screen is first loaded: the current project's caption by devProjectType,
// empty when there is no project (or its level is unknown).
QString currentProjectCaption(const GameState& g);

// lblTrebovania for the selected desktop item; empty for no item.
QString levelRequirement(int desktopItem);

struct ListStates {
    bool lstTipProj;
    bool lstWeb;
    std::optional<bool> picture1; // nothing: Picture1 stays as it is
};
// Clicking an optDS option: the desktop list is the one to choose from.
ListStates chooseEnvironment(int environment);
// Clicking an optWeb option: the web list is the one to choose from.
ListStates chooseWebTechnology();

// The list a finished project gives back (the daily tick's choice), only while an option of
// that list's own group is chosen: a list given back with no environment or web technology
// chosen would start any level unchecked.
ListsAfterFinish listsGivenBack(ListsAfterFinish fromTick, bool environmentChosen,
                                bool webTechnologyChosen);

// The screen as it is opened: each option enabled by its skill; with an environment still
// selected (and still known), the desktop list enabled unless a project is under way. An
// option whose skill the game does not know (a loaded game) cannot stay chosen, and its list
// is disabled with it. Before any option is chosen both lists are disabled.
struct DevelopmentView {
    std::array<bool, EnvironmentCount> optDS{};
    std::array<bool, 3> optWeb{};
    bool keepEnvironment = false;   // false: the environment is no longer chosen
    bool keepWebTechnology = false; // false: the web technology is no longer chosen
    std::optional<bool> lstTipProj; // nothing: as it is
    std::optional<bool> lstWeb;     // nothing: as it is
};
DevelopmentView developmentView(const GameState& g, int selectedEnvironment,
                                int selectedWebTechnology);
