#include "Development.h"

#include "state/Captions.h"

#include <algorithm>

namespace {
bool furtherRequirementMet(const GameState& g, FurtherRequirement requirement)
{
    switch (requirement) {
    case FurtherRequirement::None:
        return true;
    case FurtherRequirement::VbVcFoxCourse:
        return isSet(g.passedCourseVbVcFox);
    case FurtherRequirement::DatabaseChapter: {
        const Flag chapters[] = {g.passedDbIntro1, g.passedDbIntro2, g.passedFoxDb1,
                                 g.passedFoxDb2,   g.passedDbms1,    g.passedDbms2,
                                 g.passedDbms3};
        return std::any_of(std::begin(chapters), std::end(chapters), isSet);
    }
    }
    return false;
}

const char* refusalFor(FurtherRequirement requirement)
{
    for (const FurtherRequirementRule& rule : furtherRequirementRules) {
        if (rule.requirement == requirement)
            return rule.refusal;
    }
    return nullptr;
}

Message warning(const GameState& g, const char* text)
{
    return Message::warning(QStringLiteral("Товарищ ") + g.playerName + QString::fromUtf8(text));
}

bool inRange(int index, size_t size)
{
    return index >= 0 && size_t(index) < size;
}
} // namespace

std::optional<Message> startRefusal(const GameState& g, const DevChoice& choice)
{
    if (!inRange(choice.environment, environments.size())
        || !inRange(choice.desktopItem, desktopLevels.size()))
        return std::nullopt;
    const DevEnvironment& env = environments[size_t(choice.environment)];
    const DesktopLevel& level = desktopLevels[size_t(choice.desktopItem)];
    // Checks 1 to 3: the level is out of the environment's reach.
    if (!(level.environments & environmentBit(Environment(choice.environment))))
        return warning(g, env.outOfReach);
    // Checks 4 and 5: the online course the level needs has not been passed.
    if (!furtherRequirementMet(g, level.further))
        return warning(g, refusalFor(level.further));
    return std::nullopt;
}

NameBox projectNameBox()
{
    return {QStringLiteral("Имя проекта"), QStringLiteral("Новый проект"),
            QStringLiteral("Project1")};
}

QString projectCaption(const QString& numeral, const QString& name)
{
    return QStringLiteral("Приложение ") + numeral + QStringLiteral(" уровня ") + QChar('"')
        + name + QChar('"');
}

ProjectStart startProject(GameState& g, const DevChoice& choice, ProjectList list, int level,
                          const std::function<QString(const NameBox&)>& askName)
{
    const bool desktop = list == ProjectList::Desktop;
    if (!inRange(level, desktop ? desktopLevels.size() : webLevels.size()))
        return {};
    ProjectStart start;
    start.message = startRefusal(g, choice);
    if (start.message)
        return start;

    g.projectName = askName(projectNameBox());
    if (g.projectName.isEmpty()) {
        // Still captioned as a warning, but with the information mark.
        start.message = Message{QStringLiteral("Товарищ, вы отказались от разработки приложения."),
                                WarningCaption, Message::Icon::Information};
        return start;
    }

    g.developing = True;
    QString numeral;
    if (desktop) {
        g.devProjectType = level;
        numeral = QString::fromUtf8(desktopLevels[size_t(level)].numeral);
    } else {
        const WebLevel& web = webLevels[size_t(level)];
        g.devWebType = level;
        g.devProjectType = web.desktopLevel;
        numeral = QString::fromUtf8(web.numeral);
    }
    g.devSourceList = desktop ? DevSource::ProjectList : DevSource::WebList;
    start.started = true;
    start.lblInform = projectCaption(numeral, g.projectName);
    return start;
}

QString currentProjectCaption(const GameState& g)
{
    if (g.projectName.isEmpty() || !inRange(g.devProjectType, desktopLevels.size()))
        return {};
    return projectCaption(QString::fromUtf8(desktopLevels[size_t(g.devProjectType)].numeral),
                          g.projectName);
}

QString levelRequirement(int desktopItem)
{
    if (!inRange(desktopItem, desktopLevels.size()))
        return {};
    return QString::fromUtf8(desktopLevels[size_t(desktopItem)].requirementText);
}

ListStates chooseEnvironment(int environment)
{
    ListStates states{true, false, std::nullopt};
    if (inRange(environment, environments.size()))
        states.picture1 = environments[size_t(environment)].showsNotice;
    return states;
}

ListStates chooseWebTechnology()
{
    return {false, true, std::nullopt};
}

ListsAfterFinish listsGivenBack(ListsAfterFinish fromTick, bool environmentChosen,
                                bool webTechnologyChosen)
{
    switch (fromTick) {
    case ListsAfterFinish::EnableProjectList:
        return environmentChosen ? fromTick : ListsAfterFinish::Unchanged;
    case ListsAfterFinish::EnableWebList:
        return webTechnologyChosen ? fromTick : ListsAfterFinish::Unchanged;
    case ListsAfterFinish::Unchanged:
        break;
    }
    return ListsAfterFinish::Unchanged;
}

DevelopmentView developmentView(const GameState& g, int selectedEnvironment,
                                int selectedWebTechnology)
{
    DevelopmentView view;
    for (size_t i = 0; i < environments.size(); ++i)
        view.optDS[i] = isSet(g.*environments[i].skill);
    for (size_t i = 0; i < webTechnologies.size(); ++i)
        view.optWeb[i] = isSet(g.*webTechnologies[i].skill);
    view.keepEnvironment = inRange(selectedEnvironment, environments.size())
        && view.optDS[size_t(selectedEnvironment)];
    if (view.keepEnvironment)
        view.lstTipProj = !isSet(g.developing);
    else if (selectedEnvironment >= 0)
        view.lstTipProj = false;
    view.keepWebTechnology = inRange(selectedWebTechnology, webTechnologies.size())
        && view.optWeb[size_t(selectedWebTechnology)];
    if (selectedWebTechnology >= 0 && !view.keepWebTechnology)
        view.lstWeb = false;
    return view;
}
