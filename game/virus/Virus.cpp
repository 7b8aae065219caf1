#include "Virus.h"

#include "hardware/Parts.h"
#include "software/Programs.h"
#include "career/Jobs.h"
#include "state/Random.h"

#include <algorithm>

namespace {
// Every part of the category is gone, and every one of them can be bought again.
void destroyParts(GameState& g, Category category, VirusDamage& damage)
{
    for (const Part& part : partsOf(category)) {
        g.*part.owned = False;
        damage.partsBuyable.push_back(&part);
    }
}

void deletePrograms(GameState& g, PassResult& r)
{
    for (const Program& program : programs) {
        if (isSet(g.*program.installed)) {
            g.*program.installed = False;
            r.damage.programsRemoved.push_back(&program);
        }
    }
    if (const Job* job = jobForPay(g.dailyPay))
        r.damage.jobSelectable = QString::fromUtf8(job->label);
    r.damage.lblRab = QStringLiteral("Безаботныц - пособие 1 р./день");
    g.dailyPay = 1;
    r.messages.push_back(Message::plain(QStringLiteral(
        "Вирус удалил все установленные программы. Вы автоматически лишились работы.")));
    g.hddFreeGb = float(g.hddCapacityGb);
    r.damage.diskUsed = 0;
}
} // namespace

bool catchVirus(GameState& g, RandomSource& random)
{
    g.virusActive = toFlag(random.coin());
    return isSet(g.virusActive);
}

DestroyResult destroyVirus(GameState& g)
{
    const bool antivirus = std::any_of(programs.begin(), programs.end(), [&](const Program& p) {
        return p.section == Section::Antivirus && isSet(g.*p.installed);
    });
    if (antivirus && isSet(g.antivirusUpdated)) {
        g.virusActive = False;
        return {Message::plain(QStringLiteral("Вам удалось уничтожить вирус!")), true};
    }
    return {Message::plain(QStringLiteral(
                "Антивирус не установлен или обновление антивирусных баз устарело!")),
            false};
}

PassOutcome drawPassOutcome(RandomSource& random)
{
    return PassOutcome(random.below(5) + 1);
}

PassResult letVirusPass(GameState& g, PassOutcome outcome)
{
    PassResult r;
    r.messages.push_back(Message::plain(
        QStringLiteral("В ваш компьютер проник вирус. Вы не воспользовались антивирусом.")));
    switch (outcome) {
    case PassOutcome::ProgramsDeleted:
        deletePrograms(g, r);
        break;
    case PassOutcome::MoneyStolen:
        g.money -= VirusTheft; // unchecked: the balance may go below zero
        r.messages.push_back(Message::plain(QStringLiteral("Вирус перевёл с вашего счёта ")
                                            + VirusTheft.toString()
                                            + QStringLiteral(" р. Поздравляю!")));
        break;
    case PassOutcome::BoardAndCpuLost:
        destroyParts(g, Category::Motherboard, r.damage);
        destroyParts(g, Category::Processor, r.damage);
        r.damage.lblMBoard = QStringLiteral("...");
        r.damage.lblProc = QStringLiteral("...");
        r.messages.push_back(Message::plain(QStringLiteral("Товарищ ") + g.playerName
                                            + QStringLiteral(" , в результате воздействия вируса "
                                                             "у вас накрылись плата ЦП и "
                                                             "процессор.")));
        break;
    case PassOutcome::DiskLost:
        destroyParts(g, Category::HardDisk, r.damage);
        g.hddCapacityGb = 0;
        deletePrograms(g, r);
        r.damage.lblVint = QStringLiteral("...");
        r.damage.lblObiomVint = QStringLiteral(".");
        r.messages.push_back(Message::plain(
            QStringLiteral("Да, забыл сказать, винчестер-то накрылся!") + QStringLiteral("\r\n")
            + QStringLiteral("Советую купить новый!")));
        break;
    case PassOutcome::NoDamage:
        break;
    }
    return r;
}
