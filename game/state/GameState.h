// The one record a game consists of: player, economy, skills, computer, software, online
// purchases, the application under development and the settings of this program run.
// Every screen and rule reads and writes its fields directly.
#pragma once

#include "Currency.h"

#include <QString>

#include <cstdint>
#include <array>
#include <optional>

// A flag holds -1 for true and 0 for false; rules treat any non-zero value as true unless
// they compare with -1 exactly.
using Flag = int16_t;
inline constexpr Flag True = -1;
inline constexpr Flag False = 0;
inline constexpr bool isSet(Flag f) { return f != 0; }
inline constexpr Flag toFlag(bool b) { return b ? True : False; }

// A colour 0x00BBGGRR (red in the low byte), unset until first assigned.
using Colour = std::optional<uint32_t>;

// Which project list the running project was chosen from on the development screen.
enum class DevSource : int8_t { None, ProjectList, WebList };

// Full mood: a new game starts with it, and rest and the online entertainment never raise the
// mood above it.
inline constexpr float FullMood = 100.0f;

struct GameState {
    // Player and economy
    int16_t trainingTicks = 0;
    float mood = 0.0f;
    int16_t dailyPay = 0;
    int16_t dayCounter = 0;
    QString playerName;
    QString statusTitle;
    int16_t experience = 0;
    QString jobTitle;
    Currency money;

    // Skills, in course order
    Flag knowsWin98 = 0, knowsWinXp = 0, knowsUnix = 0, knowsVc = 0, knowsVfp = 0, knowsVb = 0,
         knowsPds = 0, knowsDelphi = 0, knowsHtml = 0, knowsPhp = 0, knowsPerl = 0, knowsSql = 0,
         knowsApache = 0, knowsCorelDraw = 0, knowsPhotoshop = 0, knowsDreamweaver = 0,
         knowsFlash = 0, knowsStudio3d = 0, knowsOffice = 0;

    // Installed software
    Flag installedWin98 = 0, installedWinXp = 0, installedWin2000 = 0, installedLinux = 0,
         installedLonghorn = 0, installedVc = 0, installedVfp = 0, installedVb = 0,
         installedPds = 0, installedDelphi = 0, installedCorelDraw = 0, installedPhotoshop = 0,
         installedDreamweaver = 0, installedFlash = 0, installedStudio3d = 0,
         installedOffice = 0, installedAntiDr = 0, installedAntiNorton = 0,
         installedAntiKasp = 0;

    // Run flag, never saved: the main screen has been loaded in this program run
    Flag mainScreenShown = 0;

    // Computer parts
    Flag mbGa7va = 0, mbJetway = 0, mbEcs = 0, mbD845glval = 0, mbAlbatron = 0;
    Flag hdd20Gb5400 = 0, hdd20Gb7200 = 0, hdd40GbMaxtor = 0, hdd40GbIbm = 0, hdd60Gb = 0,
         hdd80Gb = 0, hdd120Gb = 0;
    Flag cpuCeleron1200 = 0, cpuCeleron2000 = 0, cpuPentium3At1200 = 0, cpuPentium3SAt1400 = 0,
         cpuPentium4At1800 = 0, cpuPentium4At2400 = 0, cpuAmdXp2400 = 0;
    Flag soundCmi8738 = 0, soundCt4810 = 0, soundAudigy2 = 0;
    Flag ram128Sdram = 0, ram256Ddr = 0, ram512Ddr = 0;
    Flag videoTnt2M64 = 0, videoGf2Mx400 = 0, videoRadeon9000 = 0, videoGf4Ti4200 = 0;
    Flag monitorLg500e = 0, monitorSamsung757dfx = 0, monitorSonyE215e = 0;
    Flag cdRomSamsung52 = 0, cdRwLg24 = 0, cdRwDvdLg48 = 0;
    Flag modemNeo56k = 0, modemAdsl = 0, modemRadio = 0;

    // Disk, antivirus and virus
    int16_t hddCapacityGb = 0;
    float hddFreeGb = 0.0f;
    QString pendingInstallKey;
    Flag antivirusUpdated = 0;
    Flag virusActive = 0;

    // Settings of this program run (never saved)
    Flag melody1On = 0, melody2On = 0, melody3On = 0;
    Colour colourGradientStart, colourGradientEnd, colourGradientStart2, colourGradientEnd2,
           colourChoiceButtons, colourCaption, colourBackground, colourText;
    Flag settingsCancelled = 0;
    Flag settingsConfirmed = 0;
    Flag panelsLocked = 0;

    // Experience bookkeeping: the skill's points have been counted
    Flag scoredWin98 = 0, scoredWinXp = 0, scoredUnix = 0, scoredVc = 0, scoredVfp = 0,
         scoredVb = 0, scoredPds = 0, scoredDelphi = 0, scoredHtml = 0, scoredPhp = 0,
         scoredPerl = 0, scoredSql = 0, scoredApache = 0, scoredCorelDraw = 0,
         scoredPhotoshop = 0, scoredDreamweaver = 0, scoredFlash = 0, scoredStudio3d = 0,
         scoredOffice = 0;

    // Work record
    int32_t seniority = 0;
    uint8_t seniorityPerDay = 0;

    // Online purchases
    Flag downloadedParadox = 0, downloadedDbisam = 0, downloadedAccess = 0;
    Flag passedCourseVbVcFox = 0;
    Flag passedDbIntro1 = 0, passedDbIntro2 = 0;
    Flag passedFoxDb1 = 0, passedFoxDb2 = 0;
    Flag passedDbms1 = 0, passedDbms2 = 0, passedDbms3 = 0;

    // Application development
    int32_t finishedProjectType = 0;
    QString projectName;
    uint8_t devDaysDone = 0;
    Flag developing = 0;
    int32_t devProjectType = 0;
    int32_t devWebType = 0;
    DevSource devSourceList = DevSource::None;

    bool operator==(const GameState&) const = default;
};

// The process-wide record: created zeroed at program start, never destroyed before exit.
GameState& theGame();

// The online-purchase flags, in record order. The part and program flags are listed by their
// catalogues (hardware/Parts.h, software/Programs.h).
extern const std::array<Flag GameState::*, 11> onlinePurchaseFlags;

// The colour scheme's table: the defaults (DefaultColours) and setDefaultColours.
#include "SchemeColours.h"
