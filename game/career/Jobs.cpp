#include "Jobs.h"

#include <QStringList>

#include <algorithm>

using G = GameState;

namespace {
const std::vector<SkillFlag> anyWindows{&G::knowsWin98, &G::knowsWinXp};
const std::vector<SkillFlag> anyDrawing{&G::knowsPhotoshop, &G::knowsCorelDraw};
} // namespace

const std::array<Job, 9> jobs{{
    {"lblVerst", "Верстальщик", 3, {{&G::knowsOffice}}, 0,
     {"Знать Microsoft Office"},
     "Верстальщик, 3 р./день"},
    {"lblProg1", "Детский учитель по Delphi", 5, {{&G::knowsWin98}, {&G::knowsDelphi}}, 100,
     {"Знать Microsoft Windows 98", "Знать Borland Delphi", "Стаж предыдущей работы - 100"},
     "Детский учитель по Delphi, 5 р./день"},
    {"lblWebD", "Веб-дизайнер", 10,
     {anyWindows, {&G::knowsDreamweaver}, {&G::knowsFlash}, {&G::knowsHtml}}, 100,
     {"Знать Microsoft Windows 98", "Знать Macromedia Dreamweaver", "Знать Macromedia Flash",
      "Знать HTML", "Стаж предыдущей работы - 100"},
     "Веб-дизайнер, 10 р./день"},
    {"lblDiz", "Дизайнер", 12,
     {anyWindows, {&G::knowsStudio3d}, anyDrawing, {&G::knowsFlash}}, 100,
     {"Знать Microsoft Windows 98 или XP", "Знать 3D Studio Max",
      "Знать Adobe Photoshop или Corel Draw", "Знать Macromedia Flash",
      "Стаж предыдущей работы - 100"},
     "Дизайнер, 12 р./день"},
    {"lblWebProg", "Веб-программист", 18,
     {anyWindows, {&G::knowsHtml}, {&G::knowsPhp}, {&G::knowsPerl}, {&G::knowsSql},
      {&G::knowsApache}},
     100,
     {"Знать Microsoft Windows 98 или XP", "Знать HTML", "Знать PHP", "Знать Perl",
      "Знать MySQL Server", "Знать Apache Web Server", "Стаж предыдущей работы - 100"},
     "Веб -программист, 18 р./день"},
    {"lblProg2", "Программист", 20, {anyWindows, {&G::knowsVfp}}, 100,
     {"Знать Microsoft Windows 98 или XP", "Знать Microsoft Visual Fox Pro",
      "Стаж предыдущей работы - 100"},
     "Программист, 20 р./день"},
    {"lblProg3", "Программист", 25, {anyWindows, {&G::knowsVc}, {&G::knowsPds}}, 100,
     {"Знать Microsoft Windows 98 или XP", "Знать Microsoft Visual C++",
      "Знать Microsoft BASIC PDS 7.1", "Стаж предыдущей работы - 100"},
     "Программист, 25 р./день"},
    {"lblWebM", "Веб-мастер", 30,
     {anyWindows, {&G::knowsHtml}, {&G::knowsPhp}, {&G::knowsPerl}, {&G::knowsSql},
      {&G::knowsApache}, {&G::knowsFlash}, {&G::knowsDreamweaver}, anyDrawing},
     100,
     {"Знать Microsoft Windows 98 или XP", "Знать HTML", "Знать PHP", "Знать Perl",
      "Знать My SQL Server", "Знать Apache Web Server", "Знать Macromedia Flash",
      "Знать Macromedia Dreamweaver", "Знать Adobe Photoshop или Corel Draw",
      "Стаж предыдущей работы - 100"},
     "Веб -мастер, 30 р./день"},
    {"lblProg4", "Программист", 37,
     {anyWindows, {&G::knowsVc}, {&G::knowsVb}, {&G::knowsPds}, {&G::knowsVfp}}, 200,
     {"Знать Microsoft Windows 98 или XP", "Знать Microsoft Visual C ++",
      "Знать Microsoft Visual Basic", "Знать Microsoft Basic PDS 7.1",
      "Знать Microsoft Visual Fox Pro", "Стаж предыдущей работы - 200"},
     "Программист, 37 р./день"},
}};

const Job* jobNamed(const QString& label)
{
    for (const Job& job : jobs) {
        if (label == QLatin1String(job.label))
            return &job;
    }
    return nullptr;
}

const Job* jobForPay(int16_t dailyPay)
{
    for (const Job& job : jobs) {
        if (job.pay == dailyPay)
            return &job;
    }
    return nullptr;
}

std::optional<QString> jobLineForPay(int16_t dailyPay)
{
    if (const Job* job = jobForPay(dailyPay))
        return QString::fromUtf8(job->line);
    return std::nullopt;
}

bool jobAvailable(const GameState& g, const Job& job)
{
    const bool skilled = std::all_of(job.skills.begin(), job.skills.end(), [&](const auto& group) {
        return std::any_of(group.begin(), group.end(),
                           [&](SkillFlag skill) { return isSet(g.*skill); });
    });
    return skilled && g.seniority >= job.seniority;
}

QString requirementText(const Job& job)
{
    QStringList lines;
    for (const char* line : job.requirementLines)
        lines << QString::fromUtf8(line);
    return lines.join(QChar(13));
}

JobHover hoverJob(const GameState& g, const Job& job)
{
    return {requirementText(job), jobAvailable(g, job)
                                      ? QStringLiteral("Трудоустройство возможно")
                                      : QStringLiteral("С вашими знаниями эта работа недоступна!")};
}

JobTaken takeJob(GameState& g, const Job& job)
{
    // The job held now has its label disabled; taking it again would only lose seniority.
    if (!jobAvailable(g, job) || jobForPay(g.dailyPay) == &job)
        return {};
    JobTaken result{true, jobForPay(g.dailyPay), &job};
    g.dailyPay = job.pay;
    g.seniority = 0;
    g.seniorityPerDay = 1;
    return result;
}

bool jobLabelEnabled(const GameState& g, const Job& job)
{
    return jobForPay(g.dailyPay) != &job;
}
