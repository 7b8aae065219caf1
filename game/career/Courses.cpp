#include "Courses.h"

using G = GameState;
using enum CourseKind;

const std::array<Course, 19> courses{{
    {"lblWin98", "Microsoft Windows 9x/Me", "Tavorel1", 100, nullptr, Timed, &G::knowsWin98, nullptr, nullptr},
    {"lblWinXP", "Microsoft Windows 2000/XP", "Tavorel1", 300, nullptr, Timed, &G::knowsWinXp, nullptr, nullptr},
    {"lblUnix", "Unix", "Tavorel1", 390, nullptr, Timed, &G::knowsUnix, nullptr, nullptr},
    {"lblDel", "Borland Delphi", "Tavorel2", 350, &G::installedDelphi, Timed, &G::knowsDelphi,
     "Масса недостатков. Походит на копию VB. Не самое лучшее предложение",
     "Установить Borland Delphi 5"},
    {"lblPDS", "Microsoft QuickBASIC Extended (PDS)", "Tavorel2", 300, &G::installedPds, Timed,
     &G::knowsPds, "PDS - Professional Development System", "Установить Microsoft Basic PDS 7.1"},
    {"lblVB", "Microsoft Visual Basic", "Tavorel2", 400, &G::installedVb, Timed, &G::knowsVb,
     "Версия 6 и выше - профессиональное программирование в удобной среде",
     "Установить Microsoft Visual Basic"},
    {"lblVFP", "Microsoft Visual Fox Pro", "Tavorel2", 400, &G::installedVfp, Timed, &G::knowsVfp,
     "Программирование на профессиональном уровне", "Установить Microsoft Visual Fox Pro"},
    {"lblVC", "Microsoft Visual C++", "Tavorel2", 400, &G::installedVc, Timed, &G::knowsVc,
     "Программирование на профессиональном уровне", "Установить Microsoft Visual C++"},
    {"lblApache", "Apache Web Server", "Tavorel3", 95, nullptr, Timed, &G::knowsApache, nullptr, nullptr},
    {"lblSQL", "MySQL Server", "Tavorel3", 95, nullptr, Timed, &G::knowsSql, nullptr, nullptr},
    {"lblPerl", "Perl", "Tavorel3", 95, nullptr, Timed, &G::knowsPerl, nullptr, nullptr},
    {"lblPHP", "PHP", "Tavorel3", 78, nullptr, Timed, &G::knowsPhp, nullptr, nullptr},
    {"lblHTML", "HTML", "Tavorel3", 55, nullptr, Timed, &G::knowsHtml, nullptr, nullptr},
    {"lblOffice", "Microsoft Office", "Tavorel4", 100, &G::installedOffice, Immediate,
     &G::knowsOffice, nullptr, "Установить Microsoft Office"},
    {"lblStudio", "3D Studio Max", "Tavorel4", 95, &G::installedStudio3d, Immediate,
     &G::knowsStudio3d, nullptr, "Установить 3D Studio Max"},
    {"lblMacroFlash", "Macromedia Flash", "Tavorel4", 95, &G::installedFlash, Immediate,
     &G::knowsFlash, nullptr, "Установить Macromedia Flash"},
    {"lblMacroDream", "Macromedia Dreamweaver", "Tavorel4", 95, &G::installedDreamweaver,
     Immediate, &G::knowsDreamweaver, nullptr, "Установить Macromedia Dreamweaver"},
    {"lblPhoto", "Adobe Photoshop", "Tavorel4", 55, &G::installedPhotoshop, Immediate,
     &G::knowsPhotoshop, nullptr, "Установить Adobe Photoshop"},
    {"lblCDr", "Corel Draw", "Tavorel4", 55, &G::installedCorelDraw, Immediate,
     &G::knowsCorelDraw, nullptr, "Установить Corel Draw"},
}};

const std::array<CoursePanel, 4> coursePanels{{
    {"Tavorel1", "Операционная система"},
    {"Tavorel2", "Среда разработки"},
    {"Tavorel3", "Web-технологии"},
    {"Tavorel4", "Другое"},
}};

namespace {
// The bar runs 0..100; the course completes once the counter passes the last value.
constexpr int16_t LastTrainingTick = 100;
} // namespace

const Course* courseNamed(const QString& label)
{
    for (const Course& c : courses) {
        if (label == QLatin1String(c.label))
            return &c;
    }
    return nullptr;
}

bool courseAvailable(const GameState& g, const Course& course)
{
    if (!(g.money > Currency::fromRoubles(course.price)))
        return false;
    return !course.requiredProgram || isSet(g.*course.requiredProgram);
}

QString courseDescription(const Course& course)
{
    QString text = QStringLiteral("Стоимость обучения: %1 p.").arg(course.price);
    if (course.installLine)
        text += QChar(13) + QString::fromUtf8(course.installLine);
    return text;
}

CourseHover hoverCourse(const GameState& g, const Course& course)
{
    return {courseDescription(course), courseAvailable(g, course)
                                           ? QStringLiteral("Обучение возможно")
                                           : QStringLiteral("Обучение невозможно")};
}

CourseStart startCourse(GameState& g, CourseRun& run, const Course& course)
{
    if (!courseAvailable(g, course))
        return CourseStart::Refused;
    if (course.kind == Immediate) {
        g.*course.skill = True;
        g.money -= Currency::fromRoubles(course.price);
        return CourseStart::Immediate;
    }
    // Until its first tick hides the panels a running course could be replaced by another
    // click; the replaced one would be learned and never paid for.
    if (run.running() && run.pendingCourse != &course)
        return CourseStart::Refused;
    run.pendingCourse = &course;
    run.pendingCoursePrice = Currency::fromRoubles(course.price);
    g.*course.skill = True;
    return CourseStart::Timed;
}

CourseTick courseTick(GameState& g, CourseRun& run)
{
    CourseTick tick;
    if (!run.running()) {
        // A stray tick after the course was called off: stop, charge nothing.
        g.trainingTicks = 0;
        tick.panelsVisible = true;
        tick.finished = true;
        return tick;
    }
    tick.progress = g.trainingTicks;
    ++g.trainingTicks;
    tick.label2 = QStringLiteral("Идёт процесс обучения");
    if (g.trainingTicks > LastTrainingTick) {
        tick.progress = 0;
        tick.panelsVisible = true;
        tick.label2.clear();
        tick.finished = true;
        tick.completed = run.pendingCourse;
        completeCourse(g, run.pendingCoursePrice);
        g.trainingTicks = 0;
        run = {};
    }
    return tick;
}

void completeCourse(GameState& g, Currency price)
{
    g.money -= price;
}

void cancelCourse(GameState& g, CourseRun& run)
{
    run = {};
    g.trainingTicks = 0;
}

bool courseLabelEnabled(const GameState& g, const Course& course)
{
    return !isSet(g.*course.skill);
}
