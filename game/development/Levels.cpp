#include "Levels.h"

#include "ProjectDays.h"

using G = GameState;

namespace {
constexpr const char* HiddenLevelsOutOfReach =
    ", скрытые типы приложений в выбранной Вами среде НЕ доступны!";

constexpr uint8_t AnyEnvironment = environmentBit(Delphi) | environmentBit(FoxPro)
    | environmentBit(QuickBasic) | environmentBit(VisualBasic) | environmentBit(VisualCpp);
constexpr uint8_t VisualEnvironments =
    environmentBit(FoxPro) | environmentBit(VisualBasic) | environmentBit(VisualCpp);
constexpr uint8_t FoxProOnly = environmentBit(FoxPro);

constexpr const char* Standard = "Стандартные требования";
constexpr const char* Course = "Дополнительный курс повышения квалификации";
constexpr const char* Database =
    "Введение в БД" " и " "БД в Fox Pro" " и " "\r" "СУБД Access, Paradox, DBISAM";

using enum FurtherRequirement;
} // namespace

const std::array<DevEnvironment, EnvironmentCount> environments{{
    {"Borland Delphi 5", &G::knowsDelphi, true, HiddenLevelsOutOfReach},
    {"Microsoft Visual Fox Pro 6.0", &G::knowsVfp, false, nullptr},
    {"Microsoft Quick Basic Extended 7.1", &G::knowsPds, true, HiddenLevelsOutOfReach},
    {"Microsoft Visual Basic 6.0", &G::knowsVb, false,
     ", Вы не изучали БД в Visual Basic 6.0 и Visual C++ 6.0"},
    {"Microsoft Visual C++ 6.0", &G::knowsVc, false,
     ", Вы не изучали БД в Visual Basic 6.0 и Visual C++ 6.0"},
}};

const std::array<WebTechnology, 3> webTechnologies{{
    {"PHP", &G::knowsPhp},
    {"Apache Web Serer", &G::knowsApache},
    {"Perl", &G::knowsPerl},
}};

const std::array<FurtherRequirementRule, 2> furtherRequirementRules{{
    {VbVcFoxCourse, ", Вы не прошли дополнительный курс повышения квалификации по Visual "
                    "Basic 6.0, Visual C++ 6.0, Fox Pro 6.0"},
    {DatabaseChapter, ", Вы не прошли дополнительный курс повышения квалификации."},
}};

const std::array<DesktopLevel, 15> desktopLevels{{
    {"Приложение I уровня", "I", AnyEnvironment, None, Standard, 50},
    {"Приложение II уровня", "II", AnyEnvironment, None, Standard, 70},
    {"Приложение III уровня", "III", AnyEnvironment, None, Standard, 90},
    {"Приложение IV уровня", "IV", AnyEnvironment, None, Standard, 110},
    {"Приложение V уровня", "V", AnyEnvironment, None, Standard, 120},
    {"Приложение VI уровня", "VI", AnyEnvironment, None, Standard, 130},
    {"Приложение VII уровня", "VII", AnyEnvironment, None, Standard, 139},
    {"Приложение VIII уровня", "VIII", VisualEnvironments, VbVcFoxCourse, Course, 200},
    {"Приложение IX уровня", "IX", VisualEnvironments, VbVcFoxCourse, Course, 220},
    {"Приложение X уровня", "X", VisualEnvironments, VbVcFoxCourse, Course, 230},
    {"Приложение XI уровня", "XI", VisualEnvironments, VbVcFoxCourse, Course, 250},
    {"Приложение XII уровня. Программирование БД", "XII", FoxProOnly, DatabaseChapter, Database, 500},
    {"Приложение XIII уровня. Программирование БД", "XIII", FoxProOnly, DatabaseChapter, Database, 520},
    {"Приложение XIV уровня. Программирование БД", "XIV", FoxProOnly, DatabaseChapter, Database, 537},
    {"Приложение XV уровня. Программирование БД", "XV", FoxProOnly, DatabaseChapter, Database, 570},
}};

const std::array<WebLevel, 5> webLevels{{
    {"Веб-приложение I уровня", "I", 0},
    {"Веб-приложение II уровня", "II", 1},
    {"Веб-приложение III уровня", "III", 2},
    {"Веб-приложение IV уровня", "IV", 3},
    {"Веб-приложение V уровня", "V", 4},
}};

int16_t levelDays(int32_t desktopLevel)
{
    return developmentDays(desktopLevel);
}

int16_t webLevelDays(int32_t webLevel)
{
    if (webLevel < 0 || webLevel >= int32_t(webLevels.size()))
        return 0;
    return levelDays(webLevels[size_t(webLevel)].desktopLevel);
}

std::optional<int16_t> salePrice(int32_t finishedProjectType)
{
    if (finishedProjectType < 0 || finishedProjectType >= int32_t(desktopLevels.size()))
        return std::nullopt;
    return desktopLevels[size_t(finishedProjectType)].salePrice;
}
