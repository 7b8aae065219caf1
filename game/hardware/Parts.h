// The hardware catalogue: 38 parts in nine categories. One row per part names its label on the
// computer page, its caption, its price in whole roubles, its category, the GameState flag that
// says the player owns it and, for hard disks, the capacity. The rows of a category follow each
// other in the order of the flags in the record; that order is also the order in which the
// owned part of a category is looked for, and the order of the records in a saved game.
#pragma once

#include "state/GameState.h"

#include <QString>
#include <QAnyStringView>

#include <array>
#include <cstdint>
#include <span>

enum class Category : uint8_t {
    Motherboard,
    HardDisk,
    Processor,
    SoundCard,
    Memory,
    VideoCard,
    Monitor,
    CdDrive,
    Modem,
};

struct Part {
    const char* label;    // the clickable label on the computer page
    const char* caption;  // its text, also copied into the summary and the exchange price text
    int16_t price;        // purchase price and trade-in value, whole roubles
    Category category;
    Flag GameState::*owned;
    const char* field;    // the name of the ownership field (the saved-game key)
    int16_t capacityGb = 0; // hard disks only
};

#define PART(label, caption, price, category, field, ...) \
    Part{label, caption, price, Category::category, &GameState::field, #field __VA_OPT__(, ) __VA_ARGS__}

inline constexpr std::array<Part, 38> parts{{
    PART("lblSoketA_GA7VA", "Soket-A GA-7VA", 100, Motherboard, mbGa7va),
    PART("lblSoketA_JetWay", "Soket-A JetWay", 150, Motherboard, mbJetway),
    PART("lblSoket478_ECS", "Soket-478 ECS", 90, Motherboard, mbEcs),
    PART("lblSoket478_INTEL_D845GLVAL", "Soket-478 INTEL D845GLVAL", 175, Motherboard, mbD845glval),
    PART("lblSoket478_Albatron", "Soket-478 Albatron", 185, Motherboard, mbAlbatron),

    PART("lblHDD_20GB_SEAGATE_5400rpm", "HDD 20GB SEAGATE 5400rpm", 90, HardDisk, hdd20Gb5400, 20),
    PART("lblHDD_20GB_SEAGATE_7200rpm", "HDD 20GB SEAGATE 7200rpm", 100, HardDisk, hdd20Gb7200, 20),
    PART("lblHDD_40GB_MAXTOR_7200rpm", "HDD 40GB MAXTOR 7200rpm", 110, HardDisk, hdd40GbMaxtor, 40),
    PART("lblHDD_40GB_IBM_7200rpm", "HDD 40GB IBM 7200rpm", 150, HardDisk, hdd40GbIbm, 40),
    PART("lblHDD_60GB_SEAGATE_7200rpm", "HDD 60GB SEAGATE 7200rpm", 120, HardDisk, hdd60Gb, 60),
    PART("lblHDD_80GB_SEAGATE_7200rpm", "HDD 80GB SEAGATE 7200rpm", 155, HardDisk, hdd80Gb, 80),
    PART("lblHDD120GB_SEAGATE_7200rpm", "HDD120GB SEAGATE 7200rpm", 200, HardDisk, hdd120Gb, 120),

    PART("lblCELERON_1200_MHz", "CELERON 1200 MHz", 70, Processor, cpuCeleron1200),
    PART("lblCELERON_2000_MHz", "CELERON 2000 MHz", 80, Processor, cpuCeleron2000),
    PART("lblPentium_III_1200_MHz", "Pentium III 1200 MHz", 90, Processor, cpuPentium3At1200),
    PART("lblPentium_III_S_1400_MHz", "Pentium III-S 1400 MHz", 95, Processor, cpuPentium3SAt1400),
    PART("lblPentium_4_1800_MHz", "Pentium 4 1800 MHz", 93, Processor, cpuPentium4At1800),
    PART("lblPentium_4_2400_MHz", "Pentium 4 2400 MHz", 100, Processor, cpuPentium4At2400),
    PART("lblAMD_A_XP_2400_MHz", "AMD A-XP 2400 MHz", 85, Processor, cpuAmdXp2400),

    PART("lblPCI_CMEDIA_CMI8738", "PCI CMEDIA CMI8738", 8, SoundCard, soundCmi8738),
    PART("lblPCI_CREATIVE_128_CT4810", "PCI CREATIVE 128 CT4810", 10, SoundCard, soundCt4810),
    PART("lblPCI_SB_Audigy_2_6_1_SB0240", "PCI SB Audigy- 2 6.1 SB0240", 18, SoundCard, soundAudigy2),

    PART("lblDIMM_128MB_168pin_SDRAM", "DIMM 128MB 168pin SDRAM", 30, Memory, ram128Sdram),
    PART("lblDIMM_256MB_168pin_DDR", "DIMM 256MB 168pin DDR", 35, Memory, ram256Ddr),
    PART("lblDIMM_512MB_168pin_DDR", "DIMM 512MB 168pin DDR", 47, Memory, ram512Ddr),

    PART("lblAGP_32M_RIVA_TNT2_M64", "AGP 32M RIVA TNT2 M64", 28, VideoCard, videoTnt2M64),
    PART("lblAGP_32M_SG_Geforce2_MX400", "AGP 32M SG Geforce2 MX400", 32, VideoCard, videoGf2Mx400),
    PART("lblAGP_64M_ATI_RADEON_9000", "AGP 64M ATI RADEON 9000", 37, VideoCard, videoRadeon9000),
    PART("lblAGP_128M_Geforce4_Ti4200", "AGP 128M Geforce4 Ti4200", 44, VideoCard, videoGf4Ti4200),

    PART("lblm15_LG_500E", "15\" LG 500E", 100, Monitor, monitorLg500e),
    PART("lblm17_SAMSUNG_757DFX", "17\" SAMSUNG 757DFX", 150, Monitor, monitorSamsung757dfx),
    PART("lblm17_SONY_CPD_E215E", "17\" SONY CPD E215E", 200, Monitor, monitorSonyE215e),

    PART("lblCD_ROM_SAMSUNG_x52", "CD-ROM SAMSUNG x52", 30, CdDrive, cdRomSamsung52),
    PART("lblCD_REW_LG_x24_48_48", "CD-REW LG x24/48/48", 37, CdDrive, cdRwLg24),
    PART("lblCD_REW_DVD_ROM_LG_x48_24", "CD-REW DVD-ROM LG x48/24", 45, CdDrive, cdRwDvdLg48),

    PART("lblZyXEL_OMNI_NEO_56K", "ZyXEL OMNI NEO 56K", 37, Modem, modemNeo56k),
    PART("lblZyXEL_OMNI_Lan_ADSL", "ZyXEL OMNI Lan ADSL", 45, Modem, modemAdsl),
    PART("lblRadiokanal", "Радиоканал", 200, Modem, modemRadio),
}};

#undef PART

// A category: its panel on the computer page, the panel's caption, whether a complete computer
// needs it, and its line of the configuration summary on the home page.
struct CategoryInfo {
    Category category;
    const char* panel;
    const char* caption;
    bool required;
    const char* summaryLabel;   // shows the caption of the owned part
    const char* summaryCaption; // the fixed text to the left of it; "(*)" marks required ones
};

// In the order of the summary, which is also the order of the parts table.
inline constexpr std::array<CategoryInfo, 9> categories{{
    {Category::Motherboard, "Tavorel17", "Платы ЦП", true, "lblMBoard", "Плата ЦП (*):"},
    {Category::HardDisk, "Tavorel18", "Винчестеры", true, "lblVint", "Винчестер (*):"},
    {Category::Processor, "Tavorel19", "Процессоры", true, "lblProc", "Процессор (*):"},
    {Category::SoundCard, "Tavorel20", "Звуковые платы", false, "lblZwukPl", "Звуковая плата:"},
    {Category::Memory, "Tavorel21", "Память (ОЗУ)", true, "lblOZU", "Память (*):"},
    {Category::VideoCard, "Tavorel22", "Платы SVGA", true, "lblSVGA", "Плата SVGA (*):"},
    {Category::Monitor, "Tavorel23", "Мониторы", true, "lblMonitor", "Монитор (*):"},
    {Category::CdDrive, "Tavorel24", "CD-ROM", true, "lblCDROM", "CD-ROM (*):"},
    {Category::Modem, "Tavorel25", "Модемы", false, "lblModem", "Модем:"},
}};

// The footnote under the summary.
inline constexpr const char* RequiredFootnote = "- Обязательное наличае";

constexpr const CategoryInfo& categoryInfo(Category c)
{
    return categories[size_t(c)];
}

// Where a category's rows start in the parts table, and how many it has.
constexpr size_t firstPartOf(Category c)
{
    size_t i = 0;
    while (i < parts.size() && parts[i].category != c)
        ++i;
    return i;
}
constexpr size_t partCount(Category c)
{
    size_t n = 0;
    for (const Part& p : parts)
        n += p.category == c ? 1 : 0;
    return n;
}
constexpr std::span<const Part> partsOf(Category c)
{
    return std::span<const Part>(parts).subspan(firstPartOf(c), partCount(c));
}

namespace detail {
constexpr bool catalogueIsInCategoryOrder()
{
    for (size_t i = 0; i < categories.size(); ++i) {
        if (categories[i].category != Category(i))
            return false;
    }
    for (size_t i = 1; i < parts.size(); ++i) {
        if (parts[i].category < parts[i - 1].category)
            return false;
    }
    for (const Part& p : parts) {
        if ((p.category == Category::HardDisk) != (p.capacityGb > 0))
            return false;
    }
    return true;
}
static_assert(catalogueIsInCategoryOrder(),
              "parts come grouped by category in summary order; only hard disks have a capacity");
} // namespace detail

inline QString captionOf(const Part& p) { return QString::fromUtf8(p.caption); }
inline QString captionOf(const CategoryInfo& c) { return QString::fromUtf8(c.caption); }

// The part whose label has this name, or nullptr.
const Part* partWithLabel(QAnyStringView label);

// The owned part of a category: the first one in table order whose flag is set, or nullptr.
const Part* ownedPart(const GameState& g, Category c);
