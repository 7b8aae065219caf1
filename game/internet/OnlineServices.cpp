#include "OnlineServices.h"

#include "development/Levels.h"

#include <algorithm>

namespace {
constexpr const char* LoadingFile = "Загрузка файла ...";
constexpr const char* OpeningPage = "Открытие страницы ...";
constexpr const char* Updating = "Выполняется обновление";
} // namespace

using G = GameState;
using C = ServiceCondition;

const std::array<OnlineService, 15> onlineServices{{
    {"Option14", "Продать свою программу", 1, LoadingFile, 0, C::Project, nullptr, 0.0f,
     nullptr, nullptr},
    {"Option4", "СУБД Paradox (250 р.) скачать!", 2, LoadingFile, 250, C::None,
     &G::downloadedParadox, 0.0f, "Вы скачали Paradox", nullptr},
    {"Option5", "СУБД DBISAM (270 р.) скачать!", 2, LoadingFile, 270, C::None,
     &G::downloadedDbisam, 0.0f, "Вы скачали DBISAM", nullptr},
    {"Option6", "СУБД Microsoft Access (250 р.) скачать!", 2, LoadingFile, 250, C::None,
     &G::downloadedAccess, 0.0f, "Вы скачали Microsoft Access", nullptr},
    {"lblAntiDa", "Да", 3, Updating, 0, C::ChosenAntivirus, &G::antivirusUpdated, 0.0f,
     "Антивирусные базы обновлены", nullptr},
    {"Option15", "Изучить", 4, LoadingFile, 700, C::Money, &G::passedCourseVbVcFox, 0.0f,
     "Вы прошли дополнительный курс по VB 6.0, C++ 6.0, Fox Pro 6.0", "700 р."},
    {"Option9", "Глава 1", 4, LoadingFile, 250, C::Money, &G::passedDbIntro1, 0.0f,
     "Вы прошли дополнительный курс по введению в БД (Глава 1)", "250 р."},
    {"Option8", "Глава 2", 4, LoadingFile, 400, C::Money, &G::passedDbIntro2, 0.0f,
     "Вы прошли дополнительный курс по введению в БД (Глава 2)", "400 р."},
    {"Option7", "Глава 1", 4, LoadingFile, 400, C::Money, &G::passedFoxDb1, 0.0f,
     "Вы прошли дополнительный курс по БД в Fox Pro 6.0 (Глава 1)", "400 р."},
    {"Option10", "Глава 2", 4, LoadingFile, 500, C::Money, &G::passedFoxDb2, 0.0f,
     "Вы прошли дополнительный курс по БД в Fox Pro 6.0 (Глава 2)", "500 р."},
    {"Option12", "Глава 1", 4, LoadingFile, 300, C::MoneyAndDownloads, &G::passedDbms1, 0.0f,
     "Вы прошли дополнительный курс по изучению СУБД (Глава 1)", "300 р."},
    {"Option11", "Глава 2", 4, LoadingFile, 350, C::MoneyAndDownloads, &G::passedDbms2, 0.0f,
     "Вы прошли дополнительный курс по изучению СУБД (Глава 2)", "350 р."},
    {"Option13", "Глава 3", 4, LoadingFile, 400, C::MoneyAndDownloads, &G::passedDbms3, 0.0f,
     "Вы прошли дополнительный курс по изучению СУБД (Глава 3)", "400 р."},
    {"Option2", nullptr, 5, OpeningPage, 100, C::None, nullptr, 20.0f, nullptr, nullptr},
    {"Option1", nullptr, 5, OpeningPage, 50, C::None, nullptr, 10.0f,
     "Вы посетили чат <Тольмарская болталка>", nullptr},
}};

const std::array<AntivirusOption, 3> antivirusOptions{{
    {"optDr", "Dr. Web", &G::installedAntiDr},
    {"optNorton", "Norton Antivirus", &G::installedAntiNorton},
    {"optKasp", "Касперский", &G::installedAntiKasp},
}};

const OnlineService* onlineService(const QString& control)
{
    const auto it = std::find_if(onlineServices.begin(), onlineServices.end(),
                                 [&](const OnlineService& s) { return control == s.control; });
    return it == onlineServices.end() ? nullptr : &*it;
}

QString siteCaption()
{
    return SiteAddress + QString(8, QLatin1Char(' ')) + QStringLiteral("(платно - 100 р.)");
}

QString chatCaption()
{
    return ChatAddress + QString(8, QLatin1Char(' ')) + QStringLiteral("(платно - 50р.)");
}

namespace {
QString toPlayer(const GameState& g, const char* text)
{
    return QStringLiteral("Товарищ ") + g.playerName + QString::fromUtf8(text);
}

// The level a sale is paid by; nothing for a level the table does not know (a damaged game).
const DesktopLevel* levelForSale(const GameState& g)
{
    if (g.finishedProjectType < 0 || g.finishedProjectType >= int32_t(desktopLevels.size()))
        return nullptr;
    return &desktopLevels[size_t(g.finishedProjectType)];
}

bool allDatabasesDownloaded(const GameState& g)
{
    return isSet(g.downloadedParadox) && isSet(g.downloadedDbisam) && isSet(g.downloadedAccess);
}

ServiceStart refuse(QString text)
{
    return {Message::plain(std::move(text)), false};
}
} // namespace

ServiceStart beginService(GameState& g, const OnlineService& service,
                          const AntivirusOption* antivirus)
{
    const bool enoughMoney = g.money >= Currency::fromRoubles(service.price);
    switch (service.condition) {
    case C::None:
        break;
    case C::Money:
        if (!enoughMoney)
            return refuse(toPlayer(g, ", у Вас не хватает денег!"));
        break;
    case C::MoneyAndDownloads:
        if (!enoughMoney || !allDatabasesDownloaded(g))
            return refuse(toPlayer(g, ", не все условия выполнены!"));
        break;
    case C::Project:
        if (g.projectName.isEmpty() || !levelForSale(g))
            return refuse(toPlayer(g, ", у Вас нет проекта!"));
        break;
    case C::ChosenAntivirus:
        if (!antivirus)
            return {};
        if (!isSet(g.*antivirus->installed))
            return refuse(QStringLiteral("Этот антивирус у вас не установлен!"));
        g.*service.flag = True; // the update counts from before its page load
        break;
    }
    return {std::nullopt, true};
}

ServiceEnd finishService(GameState& g, const OnlineService& service)
{
    if (service.condition == C::Project) {
        const DesktopLevel* level = levelForSale(g);
        if (g.projectName.isEmpty() || !level)
            return {*refuse(toPlayer(g, ", у Вас нет проекта!")).refusal, std::nullopt};
        const QString price = QString::number(level->salePrice);
        ServiceEnd end;
        end.saleLogLine = QStringLiteral("Приложение %1 уровня ").arg(QLatin1String(level->numeral))
                          + g.projectName
                          + QStringLiteral(" Продано за ") + price + QStringLiteral(" р.\r\n");
        g.money += Currency::fromRoubles(level->salePrice);
        end.message = Message::plain(toPlayer(g, ", Вы продали свою программу ") + QLatin1Char('"')
                                     + g.projectName + QLatin1Char('"') + QStringLiteral(" за ")
                                     + price + QStringLiteral(" рублей."));
        g.projectName.clear();
        return end;
    }

    if (service.moodGain > 0.0f)
        g.mood = std::min(g.mood + service.moodGain, FullMood);
    if (service.flag && service.condition != C::ChosenAntivirus)
        g.*service.flag = True;
    g.money -= Currency::fromRoubles(service.price);

    const QString message = service.message
                                ? QString::fromUtf8(service.message)
                                : QStringLiteral("Вы посетили сайт <") + SiteAddress
                                      + QLatin1Char('>');
    return {Message::plain(message), std::nullopt};
}
