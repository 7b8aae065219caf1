// Writes the saved games that seed the saved-game fuzzer, each reached through the game's
// rules: make-fuzz-seeds <folder>. Run by hand when the saved-game format changes.
#include "career/Courses.h"
#include "career/Jobs.h"
#include "career/Skills.h"
#include "development/Development.h"
#include "hardware/Computer.h"
#include "internet/OnlineServices.h"
#include "saves/SavedGameFile.h"
#include "software/Installation.h"
#include "virus/Virus.h"
#include "world/DailyTick.h"
#include "world/NewGame.h"

#include <QCoreApplication>
#include <QDir>

#include <cstdio>
#include <functional>
#include <utility>

namespace {

GameState started()
{
    GameState g;
    g.playerName = QStringLiteral("Вася Пупкин");
    newGame(g);
    return g;
}

void install(GameState& g, const char* key, bool remove = false)
{
    chooseProgram(g, *programWithKey(QLatin1String(key)));
    remove ? removeProgram(g) : installProgram(g);
}

// The dearest part of every category; Windows 98, every development environment and every
// other application, which fill the 120 GB disk.
void equip(GameState& g)
{
    g.money += Currency::fromRoubles(5000);
    for (const CategoryInfo& c : categories)
        buyPart(g, partsOf(c.category).back());
    for (const Program& p : programs) {
        if (p.section == Section::DevelopmentEnvironment || p.section == Section::Other
            || p.installed == &GameState::installedWin98)
            install(g, p.key);
    }
}

void days(GameState& g, int n)
{
    float bar = clockLabels(g).moodBar;
    for (int i = 0; i < n; ++i)
        bar = dailyTick(g, bar).moodBar;
}

void learnEverything(GameState& g)
{
    CourseRun run;
    for (const Course& c : courses) {
        g.money += Currency::fromRoubles(c.price + 1);
        if (startCourse(g, run, c) == CourseStart::Timed) {
            while (run.running())
                courseTick(g, run);
        }
    }
    recomputeExperience(g);
}

// Every download and course, and the antivirus update.
void buyOnline(GameState& g)
{
    install(g, "PrStudio", true);
    install(g, "Kasp");
    g.money += Currency::fromRoubles(5000);
    for (const OnlineService& s : onlineServices) {
        if (s.flag && beginService(g, s, &antivirusOptions.back()).goesAhead)
            finishService(g, s);
    }
}

const std::pair<const char*, std::function<void(GameState&)>> seeds[] = {
    {"new-game", [](GameState&) {}},
    {"full-computer", [](GameState& g) { equip(g); }},
    {"running-project",
     [](GameState& g) {
         equip(g);
         learnEverything(g);
         startProject(g, {FoxPro, 3}, ProjectList::Desktop, 3,
                      [](const NameBox&) { return QStringLiteral("Проект «Альфа»"); });
         days(g, 20);
     }},
    {"online-purchases",
     [](GameState& g) {
         equip(g);
         learnEverything(g);
         buyOnline(g);
         startProject(g, {FoxPro, 14}, ProjectList::Desktop, 14,
                      [](const NameBox&) { return QStringLiteral("База"); });
         days(g, 95);
         buyOnline(g); // bases fresh again; the finished project is left for sale
     }},
    {"all-skills",
     [](GameState& g) {
         equip(g);
         learnEverything(g);
         takeJob(g, jobs.front());
         days(g, 100);
         takeJob(g, jobs[5]);
         days(g, 200);
         takeJob(g, jobs.back());
         days(g, 150);
     }},
    {"virus-took-the-disk",
     [](GameState& g) {
         equip(g);
         letVirusPass(g, PassOutcome::MoneyStolen);
         letVirusPass(g, PassOutcome::DiskLost);
     }},
};

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: make-fuzz-seeds <folder>\n");
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    for (const auto& [name, play] : seeds) {
        GameState g = started();
        play(g);
        const QString error = saveGame(g, folder.filePath(QString::fromLatin1(name)));
        if (!error.isEmpty()) {
            std::fprintf(stderr, "%s\n", qPrintable(error));
            return 1;
        }
    }
    return 0;
}
