// A hundred thousand game days of random play through the rules alone, from a fixed seed:
// buying and exchanging parts, installing and removing programs, courses, jobs, projects,
// going online with its services and viruses, rest, game overs with new games, and saving
// and reloading in memory. After every action the record must still be sound: at most one
// part per category, every flag 0 or -1, money exactly what the prices make it, the disk's
// free space within its capacity and equal to what the installed programs leave, experience
// equal to the counted skills; and a saved game reads back as the game that was saved.
#include "career/Courses.h"
#include "career/Jobs.h"
#include "career/Skills.h"
#include "development/Development.h"
#include "hardware/Computer.h"
#include "internet/Online.h"
#include "internet/OnlineServices.h"
#include "rest/Rest.h"
#include "saves/SavedGameFile.h"
#include "software/Installation.h"
#include "state/Random.h"
#include "virus/Virus.h"
#include "world/DailyTick.h"
#include "world/NewGame.h"

#include <QElapsedTimer>
#include <QHash>
#include <QTest>

#include <algorithm>
#include <cmath>
#include <random>
#include <span>
#include <vector>

namespace {

// The soak's one stream of chance: its own choices and the game's draws.
class SeededRandom final : public RandomSource {
public:
    explicit SeededRandom(uint64_t seed) : m_engine(seed) {}
    int below(int n) override { return n <= 1 ? 0 : int(m_engine() % uint64_t(n)); }
    bool percent(int p) { return below(100) < p; }
    template <class T>
    const T* pick(const std::vector<const T*>& among)
    {
        return among.empty() ? nullptr : among[size_t(below(int(among.size())))];
    }

private:
    std::mt19937_64 m_engine;
};

const QStringList playerNames{QStringLiteral("Вася"), QStringLiteral("Пётр Иванович"),
                              QStringLiteral("Ё"), QStringLiteral("Anna-Maria")};

int ownedIn(const GameState& g, Category c)
{
    int n = 0;
    for (const Part& p : partsOf(c))
        n += isSet(g.*p.owned) ? 1 : 0;
    return n;
}

bool anyInstalled(const GameState& g, Section s)
{
    return std::any_of(programs.begin(), programs.end(),
                       [&](const Program& p) { return p.section == s && isSet(g.*p.installed); });
}

// The saved fields on which two games differ, by name.
QStringList savedDifferences(const GameState& a, const GameState& b)
{
    QStringList names;
    for (const SavedField& f : savedFields()) {
        const bool same = std::visit([&](auto member) { return a.*member == b.*member; }, f.member);
        if (!same)
            names << QString::fromLatin1(f.name);
    }
    return names;
}

// A player who mostly follows a career (a computer, an operating system, Office and the
// first job, a development environment, projects sold online, better jobs, rest when tired)
// and now and then does anything at all, so refusals, exchanges and losses happen too.
class SoakPlayer {
public:
    explicit SoakPlayer(uint64_t seed) : m_random(seed) {}

    // Plays until `days` game days have passed; stops at the first broken rule.
    void play(int days);
    const QHash<QString, int>& events() const { return m_events; }
    int days() const { return m_days; }

private:
    void nextCareerStep();
    void anything();

    void startNewGame();
    void day();
    void buy(const Part* p);
    void install(const Program* p);
    void remove(const Program* p);
    void learn(const Course* c);
    void courseTicks();
    void confirmTraining();
    void work(const Job* j);
    void develop(bool sensibly);
    void goOnline(bool sensibly);
    void runService(OnlineSession& session, bool sensibly);
    void meetVirus(bool sensibly);
    void rest(const RestActivity* activity);
    void saveAndReload();

    void check();
    void refusedChangesNothing(const GameState& before);
    bool affords(int roubles) const { return g.money >= Currency::fromRoubles(roubles); }
    void count(const QString& event) { ++m_events[event]; }
    QByteArray where() const
    {
        return QStringLiteral("day %1 (game %2, game day %3), after: %4")
            .arg(m_days).arg(m_games).arg(g.dayCounter).arg(m_action).toUtf8();
    }

    GameState g;
    Currency m_expected;   // the money the prices make it
    float m_moodBar = 0;   // what ProgressBar1 shows
    CourseRun m_course;
    int16_t m_coursePrice = 0;
    SeededRandom m_random;
    qint64 m_nowMs = 0;    // the animation clock of the page loads
    int m_days = 0;
    int m_games = 0;
    QString m_action;
    QHash<QString, int> m_events;
};

// The checks name the day and the action; their texts are only made when one fails.
#define SOAK_VERIFY(cond)                                                                   \
    do {                                                                                    \
        if (!(cond))                                                                        \
            QFAIL((QByteArray(#cond " is false on ") + where()).constData());               \
    } while (false)
#define SOAK_COMPARE(actual, expected)                                                      \
    do {                                                                                    \
        if (!QTest::qCompare(actual, expected, #actual, #expected, __FILE__, __LINE__)) {   \
            qWarning("%s", where().constData());                                            \
            return;                                                                         \
        }                                                                                   \
    } while (false)
#define SOAK_STEP(call)                                                                     \
    do {                                                                                    \
        call;                                                                               \
        if (QTest::currentTestFailed())                                                     \
            return;                                                                         \
    } while (false)

void SoakPlayer::play(int days)
{
    SOAK_STEP(startNewGame());
    while (m_days < days) {
        const int r = m_random.below(100);
        if (r < 50)
            SOAK_STEP(day());
        else if (r < 90)
            SOAK_STEP(nextCareerStep());
        else
            SOAK_STEP(anything());
        // The course timer runs on its own, between the other events.
        if (m_course.running())
            SOAK_STEP(courseTicks());
    }
}

const Part* cheapestOf(Category c)
{
    const std::span<const Part> among = partsOf(c);
    return &*std::min_element(among.begin(), among.end(),
                              [](const Part& a, const Part& b) { return a.price < b.price; });
}

void SoakPlayer::nextCareerStep()
{
    if (g.mood < 40.0f) {
        const RestActivity* dearest = nullptr;
        for (const RestActivity& a : restActivities) {
            if (affords(a.price))
                dearest = &a;
        }
        if (dearest)
            return rest(dearest);
    }
    for (const CategoryInfo& c : categories) {
        if (c.required && ownedIn(g, c.category) == 0)
            return buy(cheapestOf(c.category)); // refused until the money is there
    }
    if (g.hddFreeGb < 10.0f) {
        const Part* bigger = nullptr;
        for (const Part& p : partsOf(Category::HardDisk)) {
            if (p.capacityGb > g.hddCapacityGb && affords(p.price)
                && (!bigger || p.capacityGb > bigger->capacityGb))
                bigger = &p;
        }
        if (bigger)
            return buy(bigger);
    }
    for (const char* key : {"w98", "PrOffice", "AntiDr", "DSVFP", "DSDel", "DSVC", "DSPDS"}) {
        const Program* p = programWithKey(QLatin1String(key));
        if (!isSet(g.*p->installed) && canInstall(g, *p))
            return install(p);
    }
    if (!m_course.running()) {
        for (const char* label : {"lblOffice", "lblWin98", "lblVFP", "lblDel", "lblVC", "lblPDS"}) {
            const Course* c = courseNamed(QLatin1String(label));
            // Office opens the first job; the others leave money for rest.
            const int reserve = c == courseNamed(QStringLiteral("lblOffice")) ? 0 : 150;
            if (!courseLabelEnabled(g, *c))
                continue;
            if (courseAvailable(g, *c) && affords(c->price + reserve))
                return learn(c);
            break; // the next course of a career waits for its money
        }
    }
    const Job* best = nullptr;
    for (const Job& j : jobs) {
        if (jobLabelEnabled(g, j) && jobAvailable(g, j) && j.pay > g.dailyPay
            && (!best || j.pay > best->pay))
            best = &j;
    }
    if (best)
        return work(best);
    if (ownedIn(g, Category::Modem) == 0 && affords(100))
        return buy(cheapestOf(Category::Modem));
    if (!g.projectName.isEmpty() && g.developing != True)
        return goOnline(true);
    if (g.developing != True)
        return develop(true);
    const bool antivirus = std::any_of(antivirusOptions.begin(), antivirusOptions.end(),
                                       [&](const AntivirusOption& a) { return isSet(g.*a.installed); });
    if ((antivirus && !isSet(g.antivirusUpdated) && m_random.percent(10))
        || (affords(1200) && m_random.percent(10)))
        return goOnline(true);
    confirmTraining();
}

void SoakPlayer::anything()
{
    switch (m_random.below(11)) {
    case 0:
        return buy(&parts[size_t(m_random.below(int(parts.size())))]);
    case 1:
        return install(&programs[size_t(m_random.below(int(programs.size())))]);
    case 2:
        return remove(&programs[size_t(m_random.below(int(programs.size())))]);
    case 3:
        return learn(nullptr);
    case 4:
        return work(nullptr);
    case 5:
        return develop(false);
    case 6:
        return m_random.coin() ? goOnline(false) : saveAndReload();
    case 7:
        return rest(&restActivities[size_t(m_random.below(int(restActivities.size())))]);
    case 8:
        return confirmTraining();
    default:
        return saveAndReload();
    }
}

void SoakPlayer::startNewGame()
{
    m_action = QStringLiteral("new game");
    g.playerName = playerNames[m_random.below(int(playerNames.size()))];
    newGame(g);
    cancelCourse(g, m_course);
    m_expected = Currency::fromRoubles(550);
    m_moodBar = clockLabels(g).moodBar;
    ++m_games;
    count(QStringLiteral("a new game"));
    check();
}

void SoakPlayer::day()
{
    m_action = QStringLiteral("a game day");
    const int16_t pay = g.dailyPay;
    const int16_t today = g.dayCounter;
    const bool developing = g.developing == True;
    const int32_t level = g.devProjectType;
    const DayResult result = dailyTick(g, m_moodBar);
    ++m_days;
    if (result.gameOver) {
        SOAK_COMPARE(m_moodBar, 1.0f);
        SOAK_COMPARE(g.money.units(), m_expected.units()); // the last day pays nothing
        count(QStringLiteral("a game over"));
        startNewGame();
        return;
    }
    SOAK_VERIFY(m_moodBar != 1.0f);
    m_moodBar = result.moodBar;
    m_expected += Currency::fromRoubles(pay);
    if (g.dayCounter != today && g.dayCounter % 7 == 0)
        SOAK_COMPARE(g.antivirusUpdated, False);
    SOAK_COMPARE(result.development.has_value(), developing);
    if (result.development && result.development->finished) {
        SOAK_COMPARE(g.finishedProjectType, level);
        count(QStringLiteral("a project finished"));
    }
    check();
}

void SoakPlayer::buy(const Part* p)
{
    m_action = QStringLiteral("buying ") + captionOf(*p);
    const GameState before = g;
    const Part* old = ownedPart(g, p->category);
    const Purchase purchase = buyPart(g, *p);
    SOAK_COMPARE(purchase.bought, before.money >= Currency::fromRoubles(p->price)
                                      && !isSet(before.*p->owned));
    if (!purchase.bought) {
        refusedChangesNothing(before);
        return;
    }
    m_expected += Currency::fromRoubles((old ? old->price : 0) - p->price);
    count(old ? QStringLiteral("a part exchanged") : QStringLiteral("a part bought"));
    check();
}

void SoakPlayer::install(const Program* p)
{
    m_action = QStringLiteral("installing ") + captionOf(*p);
    const InstallDialogOpening opening = chooseProgram(g, *p);
    if (!opening.command1Visible) {
        count(QStringLiteral("an installation not offered"));
        check();
        return;
    }
    const GameState before = g;
    const InstallResult result = installProgram(g);
    if (isSet(before.*p->installed)) {
        SOAK_VERIFY(result.warning.has_value() && result.staysOpen);
        refusedChangesNothing(before);
        count(QStringLiteral("an installation refused"));
        return;
    }
    SOAK_VERIFY(!result.warning && !result.staysOpen);
    count(QStringLiteral("a program installed"));
    check();
}

void SoakPlayer::remove(const Program* p)
{
    m_action = QStringLiteral("removing ") + captionOf(*p);
    chooseProgram(g, *p);
    const GameState before = g;
    const InstallResult result = removeProgram(g);
    SOAK_COMPARE(result.warning.has_value(), !isSet(before.*p->installed));
    if (result.warning)
        refusedChangesNothing(before);
    else
        count(QStringLiteral("a program removed"));
    check();
}

void SoakPlayer::learn(const Course* c)
{
    // The course panels are hidden from the first tick of a timed course to its end, and a
    // learned course's label is disabled.
    if (g.trainingTicks > 0)
        return;
    if (!c) {
        std::vector<const Course*> enabled;
        for (const Course& any : courses) {
            if (courseLabelEnabled(g, any))
                enabled.push_back(&any);
        }
        c = m_random.pick(enabled);
        if (!c)
            return;
    }
    m_action = QStringLiteral("learning ") + QString::fromUtf8(c->caption);
    const GameState before = g;
    const bool dearer = before.money > Currency::fromRoubles(c->price);
    const bool program = !c->requiredProgram || isSet(before.*c->requiredProgram);
    const CourseStart start = startCourse(g, m_course, *c);
    switch (start) {
    case CourseStart::Refused:
        SOAK_VERIFY(!dearer || !program || c->kind == CourseKind::Timed);
        refusedChangesNothing(before);
        return;
    case CourseStart::Immediate:
        SOAK_VERIFY(dearer && program && c->kind == CourseKind::Immediate);
        m_expected -= Currency::fromRoubles(c->price);
        count(QStringLiteral("an immediate course"));
        break;
    case CourseStart::Timed:
        SOAK_VERIFY(dearer && program && c->kind == CourseKind::Timed);
        m_coursePrice = c->price;
        count(QStringLiteral("a timed course started"));
        break;
    }
    SOAK_COMPARE(g.*c->skill, True);
    check();
}

void SoakPlayer::courseTicks()
{
    m_action = QStringLiteral("course ticks");
    for (int n = m_random.below(40); n > 0 && m_course.running(); --n) {
        const CourseTick tick = courseTick(g, m_course);
        if (tick.completed) {
            m_expected -= Currency::fromRoubles(m_coursePrice);
            count(QStringLiteral("a timed course completed"));
        }
        SOAK_STEP(check());
    }
}

void SoakPlayer::confirmTraining()
{
    m_action = QStringLiteral("the training page's Да");
    recomputeExperience(g);
    SOAK_VERIFY(!g.statusTitle.isEmpty());
    count(QStringLiteral("experience recomputed"));
    check();
}

void SoakPlayer::work(const Job* j)
{
    if (!j) {
        std::vector<const Job*> enabled;
        for (const Job& any : jobs) {
            if (jobLabelEnabled(g, any))
                enabled.push_back(&any);
        }
        j = m_random.pick(enabled);
    }
    m_action = QStringLiteral("taking the job ") + QString::fromUtf8(j->caption);
    const GameState before = g;
    const JobTaken taken = takeJob(g, *j);
    if (!taken.taken) {
        refusedChangesNothing(before);
        return;
    }
    SOAK_COMPARE(g.dailyPay, j->pay);
    SOAK_COMPARE(g.seniority, 0);
    SOAK_COMPARE(int(g.seniorityPerDay), 1);
    SOAK_VERIFY(before.seniority >= j->seniority);
    count(QStringLiteral("a job taken: ") + QString::fromUtf8(j->label));
    check();
}

void SoakPlayer::develop(bool sensibly)
{
    // The screen offers the environments and web technologies whose skills are known.
    std::vector<int> known;
    for (size_t e = 0; e < environments.size(); ++e) {
        if (isSet(g.*environments[e].skill))
            known.push_back(int(e));
    }
    const bool web = std::any_of(webTechnologies.begin(), webTechnologies.end(),
                                 [&](const WebTechnology& t) { return isSet(g.*t.skill); });
    if (known.empty() && !web)
        return;
    const bool fromWeb = web && (known.empty() || m_random.percent(sensibly ? 5 : 30));
    DevChoice choice;
    if (!known.empty() && !m_random.percent(sensibly ? 0 : 10))
        choice.environment = known[size_t(m_random.below(int(known.size())))];
    int level = 0;
    if (fromWeb) {
        level = m_random.below(int(webLevels.size()));
        choice.desktopItem = m_random.below(int(desktopLevels.size()) + 1) - 1;
    } else {
        level = m_random.percent(sensibly ? 80 : 20) ? 0 : m_random.below(int(desktopLevels.size()));
        choice.desktopItem = level;
    }
    m_action = QStringLiteral("starting a project of level %1%2 in environment %3")
                   .arg(level).arg(fromWeb ? " (web)" : "").arg(choice.environment);
    const GameState before = g;
    const QString name = m_random.percent(sensibly ? 2 : 20)
                             ? QString()
                             : QStringLiteral("Проект %1").arg(m_random.below(1000));
    bool asked = false;
    const ProjectStart start = startProject(
        g, choice, fromWeb ? ProjectList::Web : ProjectList::Desktop, level,
        [&](const NameBox&) { asked = true; return name; });
    SOAK_COMPARE(g.money.units(), before.money.units());
    if (start.started) {
        SOAK_COMPARE(g.developing, True);
        SOAK_COMPARE(g.projectName, name);
        SOAK_COMPARE(g.devDaysDone, before.devDaysDone);
        count(QStringLiteral("a project started"));
    } else if (asked) {
        SOAK_VERIFY(name.isEmpty() && g.projectName.isEmpty());
        SOAK_COMPARE(g.developing, before.developing);
        count(QStringLiteral("a project name declined"));
    } else {
        refusedChangesNothing(before);
        count(QStringLiteral("a project refused"));
    }
    check();
}

void SoakPlayer::goOnline(bool sensibly)
{
    m_action = QStringLiteral("connecting");
    OnlineSession session;
    const GameState before = g;
    const bool oneModem = ownedIn(g, Category::Modem) == 1;
    const std::optional<Message> refusal = session.connect(g);
    SOAK_COMPARE(refusal.has_value(), !(oneModem && anyInstalled(g, Section::OperatingSystem)));
    if (refusal) {
        refusedChangesNothing(before);
        return;
    }
    count(QStringLiteral("online"));
    for (int tick = 0; tick < 3; ++tick)
        session.dialTick();
    SOAK_VERIFY(!session.dialling());

    for (int step = 1 + m_random.below(sensibly ? 4 : 8); step > 0; --step) {
        if (m_random.percent(50)) {
            m_action = QStringLiteral("a second online");
            SOAK_VERIFY(session.billingTick(g).has_value());
            m_expected -= Currency::fromRoubles(1);
            SOAK_STEP(check());
        } else {
            SOAK_STEP(runService(session, sensibly));
        }
    }

    m_action = QStringLiteral("disconnecting");
    if (session.disconnectMeetsVirus(g, m_random))
        SOAK_STEP(meetVirus(sensibly));
    session.disconnect();
    check();
}

void SoakPlayer::runService(OnlineSession& session, bool sensibly)
{
    // A sensible player sells a project, updates an installed antivirus, or buys a course or
    // download he has not got while he can spare the price; anyone may choose anything.
    const OnlineService* service = nullptr;
    const AntivirusOption* antivirus = nullptr;
    if (sensibly) {
        for (const AntivirusOption& a : antivirusOptions) {
            if (isSet(g.*a.installed))
                antivirus = &a;
        }
        std::vector<const OnlineService*> useful;
        for (const OnlineService& s : onlineServices) {
            if (s.condition == ServiceCondition::ChosenAntivirus && antivirus
                && !isSet(g.antivirusUpdated)) {
                useful = {&s}; // the update first, before a virus can come
                break;
            }
            const bool wanted = s.condition == ServiceCondition::Project
                                    ? !g.projectName.isEmpty()
                                    : s.flag && !isSet(g.*s.flag) && affords(s.price + 500);
            if (wanted)
                useful.push_back(&s);
        }
        service = m_random.pick(useful);
    }
    if (!service) {
        service = &onlineServices[size_t(m_random.below(int(onlineServices.size())))];
        const int option = m_random.below(int(antivirusOptions.size()) + 1);
        antivirus = option < int(antivirusOptions.size()) ? &antivirusOptions[size_t(option)] : nullptr;
    }
    m_action = QStringLiteral("the online service ") + QString::fromLatin1(service->control);
    const GameState before = g;
    const ServiceStart start = beginService(g, *service, antivirus);
    if (!start.goesAhead) {
        refusedChangesNothing(before);
        return;
    }
    if (service->condition == ServiceCondition::Money
        || service->condition == ServiceCondition::MoneyAndDownloads)
        SOAK_VERIFY(before.money >= Currency::fromRoubles(service->price));

    SOAK_VERIFY(session.loadPage(g, service->tab, QString::fromUtf8(service->statusText), m_nowMs));
    // Seconds that fall due during the load are held; at most one is charged at its end.
    const int held = m_random.below(3);
    for (int tick = 0; tick < held; ++tick)
        SOAK_VERIFY(!session.billingTick(g).has_value());
    m_nowMs += pageLoadDurationMs(loadingModem(g));
    SOAK_VERIFY(session.loadDone(m_nowMs));
    const LoadEnd end = session.finishLoad(g);
    SOAK_COMPARE(end.tab, service->tab);
    SOAK_COMPARE(end.heldBilling.has_value(), held > 0);
    if (held > 0)
        m_expected -= Currency::fromRoubles(1);

    const bool sale = service->condition == ServiceCondition::Project;
    const int32_t level = g.finishedProjectType;
    const ServiceEnd done = finishService(g, *service);
    if (sale) {
        m_expected += Currency::fromRoubles(desktopLevels[size_t(level)].salePrice);
        SOAK_VERIFY(done.saleLogLine.has_value() && g.projectName.isEmpty());
        count(QStringLiteral("a project sold"));
    } else {
        m_expected -= Currency::fromRoubles(service->price);
        if (service->flag)
            SOAK_COMPARE(g.*service->flag, True);
        count(QStringLiteral("the online service ") + QString::fromLatin1(service->control));
    }
    check();
}

void SoakPlayer::meetVirus(bool sensibly)
{
    count(QStringLiteral("a virus"));
    if (sensibly || m_random.coin()) {
        m_action = QStringLiteral("destroying a virus");
        const GameState before = g;
        const DestroyResult destroy = destroyVirus(g);
        if (destroy.closes) {
            SOAK_COMPARE(g.virusActive, False);
            count(QStringLiteral("a virus destroyed"));
            check();
            return;
        }
        refusedChangesNothing(before);
    }
    const PassOutcome outcome = drawPassOutcome(m_random);
    m_action = QStringLiteral("letting a virus pass, outcome %1").arg(int(outcome));
    letVirusPass(g, outcome);
    count(QStringLiteral("a virus passed, outcome %1").arg(int(outcome)));
    switch (outcome) {
    case PassOutcome::MoneyStolen:
        m_expected -= Currency::fromRoubles(500);
        break;
    case PassOutcome::BoardAndCpuLost:
        SOAK_VERIFY(ownedIn(g, Category::Motherboard) == 0 && ownedIn(g, Category::Processor) == 0);
        break;
    case PassOutcome::DiskLost:
        SOAK_VERIFY(ownedIn(g, Category::HardDisk) == 0 && g.hddCapacityGb == 0);
        [[fallthrough]];
    case PassOutcome::ProgramsDeleted:
        for (const Program& p : programs)
            SOAK_COMPARE(g.*p.installed, False);
        SOAK_COMPARE(g.dailyPay, int16_t(1));
        break;
    case PassOutcome::NoDamage:
        break;
    }
    check();
}

void SoakPlayer::rest(const RestActivity* activity)
{
    m_action = QStringLiteral("resting: ") + QString::fromUtf8(activity->caption);
    const GameState before = g;
    chooseRestActivity(g, *activity);
    if (before.money < Currency::fromRoubles(activity->price)) {
        refusedChangesNothing(before);
        return;
    }
    SOAK_COMPARE(g.mood, std::min(before.mood + float(activity->gain), 100.0f));
    m_expected -= Currency::fromRoubles(activity->price);
    count(QStringLiteral("a rest"));
    check();
}

void SoakPlayer::saveAndReload()
{
    m_action = QStringLiteral("saving and reloading");
    QString error;
    const QByteArray saved = encodeSavedGame(g, &error);
    if (saved.size() != SavedGameSize)
        QFAIL(qPrintable(error + QLatin1Char(' ') + where()));

    // Read over an empty record, every saved field comes back; read over the running game,
    // nothing at all changes.
    const std::optional<GameState> fresh = readSavedGame(saved, GameState{}, &error);
    if (!fresh)
        QFAIL(qPrintable(error + QLatin1Char(' ') + where()));
    SOAK_COMPARE(savedDifferences(*fresh, g), QStringList());
    SOAK_COMPARE(encodeSavedGame(*fresh, &error), saved);
    const std::optional<GameState> loaded = readSavedGame(saved, g, &error);
    SOAK_VERIFY(loaded.has_value() && *loaded == g);

    // What loading does besides: the disk's capacity follows the disk, a running course stops
    // unpaid, the mood bar shows the mood.
    g = *loaded;
    capacityFromOwnedDisk(g);
    cancelCourse(g, m_course);
    m_moodBar = clockLabels(g).moodBar;
    count(QStringLiteral("a save and reload"));
    check();
}

// A refused action leaves the record exactly as it was.
void SoakPlayer::refusedChangesNothing(const GameState& before)
{
    if (!(g == before)) {
        SOAK_COMPARE(savedDifferences(g, before), QStringList());
        SOAK_VERIFY(g == before);
    }
    count(QStringLiteral("a refusal"));
    check();
}

// The saved flags, taken from the saved-game table once.
const std::vector<std::pair<const char*, Flag GameState::*>>& savedFlags()
{
    static const auto flags = [] {
        std::vector<std::pair<const char*, Flag GameState::*>> list;
        for (const SavedField& f : savedFields()) {
            if (f.kind == SavedKind::Flag)
                list.emplace_back(f.name, std::get<Flag GameState::*>(f.member));
        }
        return list;
    }();
    return flags;
}

void SoakPlayer::check()
{
    std::array<int, categories.size()> owned{};
    for (const Part& p : parts)
        owned[size_t(p.category)] += isSet(g.*p.owned) ? 1 : 0;
    SOAK_VERIFY(*std::max_element(owned.begin(), owned.end()) <= 1);

    for (const auto& [name, flag] : savedFlags()) {
        if (g.*flag != 0 && g.*flag != -1)
            QFAIL((QByteArray(name) + " = " + QByteArray::number(g.*flag) + " on " + where()).constData());
    }
    SOAK_VERIFY(g.virusActive == False || g.virusActive == True);

    SOAK_COMPARE(g.money.units(), m_expected.units());
    SOAK_VERIFY(g.money.units() % Currency::UnitsPerRouble == 0);

    // Free space: what the installed programs leave of the disk's capacity, never more.
    int installedGb = 0;
    for (const Program& p : programs)
        installedGb += isSet(g.*p.installed) ? p.sizeGb : 0;
    const Part* disk = ownedPart(g, Category::HardDisk);
    SOAK_COMPARE(g.hddCapacityGb, int16_t(disk ? disk->capacityGb : 0));
    SOAK_VERIFY(g.hddFreeGb <= float(g.hddCapacityGb));
    SOAK_COMPARE(float(g.hddCapacityGb) - g.hddFreeGb, float(installedGb));

    int points = 0;
    for (const Skill& s : skills) {
        SOAK_VERIFY(!isSet(g.*s.scored) || isSet(g.*s.knows));
        points += isSet(g.*s.scored) ? s.points : 0;
    }
    SOAK_COMPARE(int(g.experience), points);

    SOAK_VERIFY(g.mood > 0.0f && g.mood <= 100.0f && std::fmod(g.mood, 0.5f) == 0.0f);
    SOAK_VERIFY(g.dailyPay == 1 || jobForPay(g.dailyPay));
    SOAK_VERIFY(g.seniorityPerDay <= 1);
    SOAK_VERIFY(g.developing == True || g.devDaysDone == 0);
    SOAK_VERIFY(g.finishedProjectType >= 0 && g.finishedProjectType < int32_t(desktopLevels.size()));
}

} // namespace

class SoakTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void soakPlayedEveryPartOfTheGame_data();
    void soakPlayedEveryPartOfTheGame();

private:
    QHash<QString, int> m_events;
};

// One long soak; the rows below then check that it went everywhere a career goes.
void SoakTest::initTestCase()
{
    constexpr int Days = 100000;
    SoakPlayer player(20261207);
    QElapsedTimer timer;
    timer.start();
    player.play(Days);
    QCOMPARE(player.days(), Days);
    m_events = player.events();
    qInfo("%d game days in %lld ms, %d games", player.days(), timer.elapsed(),
          m_events.value(QStringLiteral("a new game")));
}

void SoakTest::soakPlayedEveryPartOfTheGame_data()
{
    QTest::addColumn<QString>("event");
    QTest::addColumn<int>("atLeast");
    const auto row = [](const char* event, int atLeast) {
        QTest::newRow(event) << QString::fromUtf8(event) << atLeast;
    };
    row("a game over", 10);
    row("a part bought", 100);
    row("a part exchanged", 100);
    row("a program installed", 100);
    row("a program removed", 10);
    row("an installation refused", 1);
    row("a timed course completed", 50);
    row("an immediate course", 50);
    row("a job taken: lblVerst", 10);
    row("a job taken: lblProg2", 1);
    row("a project finished", 50);
    row("a project sold", 50);
    row("a project refused", 1);
    row("the online service lblAntiDa", 10);
    row("the online service Option15", 1);
    row("the online service Option12", 1);
    row("the online service Option2", 1);
    row("a virus destroyed", 10);
    row("a virus passed, outcome 1", 10);
    row("a virus passed, outcome 2", 10);
    row("a virus passed, outcome 3", 10);
    row("a virus passed, outcome 4", 10);
    row("a virus passed, outcome 5", 10);
    row("a rest", 100);
    row("a save and reload", 100);
    row("a refusal", 100);
}

void SoakTest::soakPlayedEveryPartOfTheGame()
{
    QFETCH(QString, event);
    QFETCH(int, atLeast);
    QVERIFY2(m_events.value(event) >= atLeast,
             qPrintable(QStringLiteral("%1 times").arg(m_events.value(event))));
}

QTEST_GUILESS_MAIN(SoakTest)
#include "tst_soak.moc"
