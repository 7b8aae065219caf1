// The software catalogue: nineteen programs in four sections. One row per program, in the order
// of the installed flags in the record (which is also the order of their saved-game records),
// names its installation key, its label on the software page and caption, the flag, the disk
// size, the indicator shape shown while it is installed, the label whose caption the
// installed-software list shows, the requirement lines, the installability rule, its section,
// and its places in the section panel and in the installed list.
#pragma once

#include "state/GameState.h"

#include <QString>
#include <QAnyStringView>

#include <array>
#include <cstdint>
#include <vector>

enum class Section : uint8_t { OperatingSystem, DevelopmentEnvironment, Antivirus, Other };

// Which test decides that a program can be installed; every one also needs enough free space.
enum class Installability : uint8_t {
    CompleteComputer,        // a complete computer
    CompleteComputer256,     // a complete computer whose memory is the 256 or 512 MB module
    OperatingSystem,         // an operating system installed
    OperatingSystemRam512,   // ... and the 512 MB module
    OperatingSystemRam256,   // ... and the 256 MB module (the 512 MB one does not do)
    OperatingSystemStudio3d, // ... and a fast processor, a big video card and 256 MB or more
};

inline constexpr int MaxRequirementLines = 5;

struct Program {
    const char* key;           // the installation key (pendingInstallKey)
    const char* label;         // the catalogue label on the software page
    const char* caption;       // its text, also shown by the installation dialog
    Flag GameState::*installed;
    const char* field;         // the name of the installed flag (the saved-game key)
    int16_t sizeGb;
    const char* indicator;     // the shape shown beside the label while installed
    const char* listLabel;     // the label whose caption the installed list shows
    const char* listCaption;   // that caption, when it is not the catalogue caption
    std::array<const char*, MaxRequirementLines> requirements; // unused lines are nullptr
    Installability rule;
    Section section;
    int8_t panelRow;  // place in the section panel, from the top
    int8_t listRank;  // place in the installed list of its section
};

namespace requirementLines {
inline constexpr const char* Windows = "Microsoft® Windows® 98, 2000 или Windows XP";
inline constexpr const char* AnyWindows = "Windows 95/98/2000/NT/ME/XP";
inline constexpr const char* Ram128 = "128 Мб ОЗУ";
inline constexpr const char* Ram256 = "256 Мб ОЗУ";
inline constexpr const char* Space10 = "10 Гб места на жестком диске";
inline constexpr const char* Cpu233 = "Процессор 233 МГц и выше";
inline constexpr const char* Cpu133 = "Процессор 133 МГц и выше";
inline constexpr const char* Cpu1000 = "процессор 1000 МГц";
} // namespace requirementLines

#define PROGRAM(key, label, caption, field, size, indicator, listLabel, listCaption, rule, \
                section, row, rank, ...)                                                   \
    Program{key, label, caption, &GameState::field, #field, size, indicator, listLabel,    \
            listCaption, {__VA_ARGS__}, Installability::rule, Section::section, row, rank}

inline constexpr std::array<Program, 19> programs = [] {
    using namespace requirementLines;
    return std::array<Program, 19>{{
        PROGRAM("w98", "lblOSWin98", "Microsoft Windows 98", installedWin98, 10, "shpWin98",
                "lblOSWin98", nullptr, CompleteComputer, OperatingSystem, 0, 0,
                "процессор 80486 66 МГц", Ram128, "10 Гб на жестком диске"),
        PROGRAM("wXP", "lblOSWinXP", "Microsoft Windows XP", installedWinXp, 20, "shpWinXP",
                "lblOSWinXP", nullptr, CompleteComputer256, OperatingSystem, 2, 2,
                Cpu1000, Ram256, "20 Гб на жестком диске"),
        PROGRAM("w2000", "lblOSWin2000", "Microsoft Windows 2000", installedWin2000, 14,
                "shpWin2000", "lblOSWin2000", nullptr, CompleteComputer, OperatingSystem, 1, 1,
                Cpu1000, Ram128, "14 Гб на жестком диске"),
        PROGRAM("Lin", "lblOSLinux", "Linux Mandrake 9.0", installedLinux, 25, "shpLinux",
                "lblOSLinux", nullptr, CompleteComputer256, OperatingSystem, 3, 3,
                Cpu1000, Ram256, "25 Гб на жестком диске"),
        PROGRAM("Long", "lblOSLonghorn", "MicrosoftLonghorn", installedLonghorn, 40,
                "shpLonghorn", "lblOSLonghorn", nullptr, CompleteComputer256, OperatingSystem,
                4, 4, Cpu1000, Ram256, "40 Гб на жестком диске"),

        PROGRAM("DSVC", "lblDSVC", "MicrosoftVisual C++", installedVc, 15, "shpVC", "lblDSVC",
                nullptr, OperatingSystem, DevelopmentEnvironment, 1, 3,
                Cpu233, Ram128, "15 Гб места на жестком диске", Windows),
        PROGRAM("DSVFP", "lblDSFox", "Microsoft Visual Fox Pro", installedVfp, 10, "shpVFP",
                "lblDSFox", nullptr, OperatingSystem, DevelopmentEnvironment, 3, 1,
                Cpu233, Ram128, Space10, Windows),
        PROGRAM("DSVB", "lblDSVB", "Microsoft Visual Basic 7.0", installedVb, 10, "shpVB",
                "lblDSVB", nullptr, OperatingSystem, DevelopmentEnvironment, 0, 4,
                Cpu233, Ram128, Space10, Windows),
        PROGRAM("DSPDS", "lblDSPDS", "Microsoft QuickBASIC Extended 7.1 (PDS)", installedPds, 5,
                "shpPDS", "lblDSPDS", nullptr, OperatingSystem, DevelopmentEnvironment, 2, 2,
                Cpu233, "64 Мб ОЗУ", "5 Гб места на жестком диске", Windows),
        PROGRAM("DSDel", "lblDSDel", "Borland Delphi 5", installedDelphi, 10, "shpDel",
                "lblDSDel", nullptr, OperatingSystem, DevelopmentEnvironment, 4, 0,
                Cpu233, Ram128, Space10, Windows),

        PROGRAM("PrCDr", "lblPrCDr", "Corel Draw 12", installedCorelDraw, 10, "shpCDr",
                "lblCDr", "Corel Draw", OperatingSystem, Other, 0, 5,
                "Процессор 200 МГц и выше", Ram128, Space10, AnyWindows),
        PROGRAM("PrPhoto", "lblPrPhoto", "Adobe Photoshop 7.0", installedPhotoshop, 10,
                "shpPhoto", "lblPhoto", "Adobe Photoshop", OperatingSystem, Other, 1, 4,
                "Процессор 1000 МГц и выше", Ram128, Space10, AnyWindows),
        PROGRAM("PrMDream", "lblPrMacroDream", "Macromedia DreamWeaver MX", installedDreamweaver,
                10, "shpMacroDream", "lblMacroDream", "Macromedia Dreamweaver", OperatingSystem,
                Other, 4, 1, "Процессор 300 МГц и выше", Ram128, Space10, AnyWindows),
        PROGRAM("PrMFlash", "lblPrmacroFlash", "Macromedia Flash MX", installedFlash, 10,
                "shpMacroFlash", "lblMacroFlash", "Macromedia Flash", OperatingSystem, Other,
                5, 0, Cpu133, Ram128, Space10, AnyWindows),
        PROGRAM("PrStudio", "lblPrStudio", "3D Studio Max 5.0", installedStudio3d, 10,
                "shpStudio", "lblStudio", "3D Studio Max", OperatingSystemStudio3d, Other, 2, 3,
                "Процессор 1700 МГц и выше", Ram256, Space10, AnyWindows,
                "Видеокарта: свыше 64 мбайт памяти"),
        PROGRAM("PrOffice", "lblPrOffice", "Microsoft Office", installedOffice, 10, "shpOffice",
                "lblOffice", "Microsoft Office", OperatingSystem, Other, 3, 2,
                Cpu133, Ram128, Space10, AnyWindows),

        PROGRAM("AntiDr", "lblAntiDr", "Dr. Web", installedAntiDr, 10, "shpAntiDr",
                "lblAntiDr", nullptr, OperatingSystem, Antivirus, 2, 0,
                Cpu133, Ram128, Space10, AnyWindows),
        PROGRAM("Norton", "lblAntiNorton", "Norton Antivirus 2004", installedAntiNorton, 10,
                "shpNorton", "lblAntiNorton", nullptr, OperatingSystemRam256, Antivirus, 1, 1,
                Cpu133, Ram256, Space10, AnyWindows),
        PROGRAM("Kasp", "lblAntiKasp", "Kaspersky Antivirus", installedAntiKasp, 10, "shpKasp",
                "lblAntiKasp", nullptr, OperatingSystemRam512, Antivirus, 0, 2,
                Cpu133, "512 Мб ОЗУ", Space10, AnyWindows),
    }};
}();

#undef PROGRAM

// A section: its panel on the software page, the panel's caption, and its entry in the
// home page's drop-down list cmbProgrObesp (in the list's order).
struct SectionInfo {
    Section section;
    const char* panel;
    const char* caption;
    const char* entry;
};

inline constexpr std::array<SectionInfo, 4> sections{{
    {Section::OperatingSystem, "Tavorel5", "Операционная система", "Операционная система:"},
    {Section::DevelopmentEnvironment, "Tavorel12", "Среда разработки приложений",
     "Среда разработки приложений:"},
    {Section::Antivirus, "Tavorel13", "Антивирус", "Антивирус:"},
    {Section::Other, "Tavorel14", "Другое", "Другое:"},
}};

constexpr const SectionInfo& sectionInfo(Section s)
{
    return sections[size_t(s)];
}

constexpr int programCount(Section s)
{
    int n = 0;
    for (const Program& p : programs)
        n += p.section == s ? 1 : 0;
    return n;
}

namespace detail {
// In each section the panel rows and the list ranks are each 0 to n-1, every one once.
constexpr bool placesArePermutations()
{
    for (const SectionInfo& s : sections) {
        const int n = programCount(s.section);
        for (int place = 0; place < n; ++place) {
            int rows = 0, ranks = 0;
            for (const Program& p : programs) {
                if (p.section != s.section)
                    continue;
                rows += p.panelRow == place ? 1 : 0;
                ranks += p.listRank == place ? 1 : 0;
            }
            if (rows != 1 || ranks != 1)
                return false;
        }
    }
    for (size_t i = 0; i < sections.size(); ++i) {
        if (sections[i].section != Section(i))
            return false;
    }
    return true;
}
static_assert(placesArePermutations(), "each section's rows and list places are 0..n-1 once");
} // namespace detail

inline QString captionOf(const Program& p) { return QString::fromUtf8(p.caption); }
// The caption the installed-software list shows for the program.
inline QString listCaptionOf(const Program& p)
{
    return QString::fromUtf8(p.listCaption ? p.listCaption : p.caption);
}

// The program with this installation key, or nullptr (an unknown or empty key).
const Program* programWithKey(QAnyStringView key);
// The program whose catalogue label has this name, or nullptr.
const Program* programWithLabel(QAnyStringView label);

// A section's programs from the top of its panel down, and in the order of its installed list.
std::vector<const Program*> programsInPanel(Section s);
std::vector<const Program*> programsInList(Section s);
