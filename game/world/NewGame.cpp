#include "NewGame.h"

#include "career/Skills.h"
#include "hardware/Parts.h"
#include "saves/SavedGameFile.h"
#include "software/Programs.h"
#include "state/NumberFormat.h"

#include <QStringEncoder>

namespace {
// A second game in the same program run starts exactly like the first: nothing of the
// previous game's computer or project carries over (no disk space without a disk, no
// Longhorn or antivirus without a computer, no finished project to sell again).
void forgetPreviousGame(GameState& g)
{
    g.installedLonghorn = False;
    g.installedAntiDr = False;
    g.installedAntiNorton = False;
    g.installedAntiKasp = False;
    g.hddCapacityGb = 0;
    g.hddFreeGb = 0.0f;
    g.finishedProjectType = 0;
    g.projectName.clear();
    g.devProjectType = 0;
}
} // namespace

PlayerLabels newGame(GameState& g)
{
    for (const Skill& s : skills)
        g.*s.knows = False;
    for (const Program& p : programs)
        g.*p.installed = False;
    for (const Part& p : parts)
        g.*p.owned = False;

    if (!isSet(g.settingsConfirmed))
        setDefaultColours(g);

    g.mood = FullMood;
    g.dayCounter = 1;
    g.dailyPay = 1;
    g.statusTitle = QStringLiteral("Ламер");
    g.experience = 0;
    g.jobTitle = QStringLiteral("Безработный, пособие - 1p./день");
    g.money = Currency::fromRoubles(550);

    g.antivirusUpdated = False;
    g.seniority = 0;
    g.seniorityPerDay = 0;
    for (const Skill& s : skills)
        g.*s.scored = False;
    for (auto flag : onlinePurchaseFlags)
        g.*flag = False;
    g.devDaysDone = 0;
    g.developing = False;
    forgetPreviousGame(g);

    return playerLabels(g);
}

PlayerLabels playerLabels(const GameState& g)
{
    return {g.playerName, g.statusTitle, withSignPosition(int64_t(g.experience)), g.jobTitle,
            withSignPosition(g.money)};
}

std::optional<Message> playerNameProblem(const QString& name)
{
    qsizetype bytes = 0;
    for (qsizetype i = 0; i < name.size(); ++i) {
        // One character, a surrogate pair standing for one.
        const qsizetype length = name.at(i).isHighSurrogate() && i + 1 < name.size() ? 2 : 1;
        const QString character = name.mid(i, length);
        i += length - 1;
        QStringEncoder encoder("windows-1251");
        if (!encoder.isValid())
            return std::nullopt; // no code page to judge by; saving says so itself
        bytes += QByteArray(encoder.encode(character)).size();
        if (encoder.hasError())
            return Message::warning(
                QStringLiteral("Товарищ, знак «%1» в имени не сохранится вместе с игрой. "
                               "Введите имя русскими или латинскими буквами.")
                    .arg(character));
    }
    if (bytes > SavedTextMaxBytes)
        return Message::warning(
            QStringLiteral("Товарищ, имя слишком длинное: в сохранённой игре помещается не "
                           "больше %1 знаков, а в нём %2. Введите имя покороче.")
                .arg(SavedTextMaxBytes)
                .arg(bytes));
    return std::nullopt;
}
