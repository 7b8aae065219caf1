#include "HoverReset.h"

#include "Colours.h"
#include "Controls.h"

#include "state/Career.h"
#include "state/Skills.h"

#include <QLabel>
#include <QWidget>

namespace {
const char* const softwareLabels[] = {
    "lblOSWin98", "lblOSWin2000", "lblOSWinXP", "lblOSLinux", "lblOSLonghorn",
    "lblAntiDr", "lblAntiNorton", "lblAntiKasp", "lblDSDel", "lblDSFox",
    "lblDSPDS", "lblDSVC", "lblDSVB", "lblPrmacroFlash", "lblPrMacroDream",
    "lblPrOffice", "lblPrStudio", "lblPrPhoto", "lblPrCDr",
};

const char* const hardwareLabels[] = {
    // motherboards
    "lblSoketA_GA7VA", "lblSoketA_JetWay", "lblSoket478_ECS", "lblSoket478_INTEL_D845GLVAL",
    "lblSoket478_Albatron",
    // hard disks
    "lblHDD_20GB_SEAGATE_5400rpm", "lblHDD_20GB_SEAGATE_7200rpm", "lblHDD_40GB_MAXTOR_7200rpm",
    "lblHDD_40GB_IBM_7200rpm", "lblHDD_60GB_SEAGATE_7200rpm", "lblHDD_80GB_SEAGATE_7200rpm",
    "lblHDD120GB_SEAGATE_7200rpm",
    // processors
    "lblCELERON_1200_MHz", "lblCELERON_2000_MHz", "lblPentium_III_1200_MHz",
    "lblPentium_III_S_1400_MHz", "lblPentium_4_1800_MHz", "lblPentium_4_2400_MHz",
    "lblAMD_A_XP_2400_MHz",
    // sound cards
    "lblPCI_CMEDIA_CMI8738", "lblPCI_CREATIVE_128_CT4810", "lblPCI_SB_Audigy_2_6_1_SB0240",
    // memory
    "lblDIMM_128MB_168pin_SDRAM", "lblDIMM_256MB_168pin_DDR", "lblDIMM_512MB_168pin_DDR",
    // video cards
    "lblAGP_32M_RIVA_TNT2_M64", "lblAGP_32M_SG_Geforce2_MX400", "lblAGP_64M_ATI_RADEON_9000",
    "lblAGP_128M_Geforce4_Ti4200",
    // monitors
    "lblm15_LG_500E", "lblm17_SAMSUNG_757DFX", "lblm17_SONY_CPD_E215E",
    // CD drives
    "lblCD_ROM_SAMSUNG_x52", "lblCD_REW_LG_x24_48_48", "lblCD_REW_DVD_ROM_LG_x48_24",
    // modems
    "lblZyXEL_OMNI_NEO_56K", "lblZyXEL_OMNI_Lan_ADSL", "lblRadiokanal",
};

// Panels Tavorel1 to Tavorel6 and Tavorel12 to Tavorel25.
constexpr int resetPanels[][2] = {{1, 6}, {12, 25}};

// imgDiski shows this picture of imlDiski while nothing is hovered.
constexpr int RestingDiskPicture = 2;
} // namespace

std::vector<const char*> catalogueLabelNames()
{
    std::vector<const char*> names;
    for (const Skill& s : skills)
        names.push_back(s.trainingLabel);
    for (const JobLine& job : jobLines)
        names.push_back(job.jobLabel);
    names.insert(names.end(), std::begin(softwareLabels), std::end(softwareLabels));
    names.insert(names.end(), std::begin(hardwareLabels), std::end(hardwareLabels));
    return names;
}

const std::vector<const char*> descriptionLabelNames{
    "lblDostupna", "lblTreb", "lblOpisanie", "lblVozmozhno", "lblShowTsena", "lblTool",
    "lblSisTreb"};

const std::vector<const char*> linkLabelNames{"lblLegenda", "lblPO"};

const std::vector<const char*> installedMarkerNames{
    "shpWin98", "shpWin2000", "shpWinXP", "shpLinux", "shpLonghorn", "shpVB", "shpVC",
    "shpPDS", "shpVFP", "shpDel", "shpKasp", "shpNorton", "shpAntiDr", "shpCDr", "shpPhoto",
    "shpStudio", "shpOffice", "shpMacroDream", "shpMacroFlash"};

std::vector<QString> hoverResetPanelNames()
{
    std::vector<QString> names;
    for (const auto& range : resetPanels) {
        for (int n = range[0]; n <= range[1]; ++n)
            names.push_back(QStringLiteral("Tavorel%1").arg(n));
    }
    return names;
}

QPixmap ImageList::picture(int number) const
{
    if (number < 1 || number > pictures.size())
        return {};
    return pictures.at(number - 1);
}

void hoverReset(QWidget* screen, uint32_t choiceButtonsColour)
{
    // 1. The catalogue labels get their normal background.
    for (const char* name : catalogueLabelNames()) {
        if (QWidget* label = controlNamed(screen, name))
            setBackColour(label, choiceButtonsColour);
    }
    // 2. The description and verdict texts are emptied.
    for (const char* name : descriptionLabelNames) {
        if (QWidget* label = controlNamed(screen, name))
            setCaption(label, QString());
    }
    // 3. The disk picture shows its resting picture.
    auto* picture = qobject_cast<QLabel*>(controlNamed(screen, "imgDiski"));
    auto* pictures = screen->findChild<ImageList*>(QStringLiteral("imlDiski"));
    if (picture && pictures)
        picture->setPixmap(pictures->picture(RestingDiskPicture));
    // 4. The two link labels lose their hover colour.
    for (const char* name : linkLabelNames) {
        if (QWidget* label = controlNamed(screen, name))
            setBackColour(label, choiceButtonsColour);
    }
    // 5. The installed markers take the rounded-rectangle form.
    for (const char* name : installedMarkerNames) {
        QObject* shape = screen->findChild<QObject*>(QString::fromLatin1(name));
        if (shape && shape->metaObject()->indexOfProperty("Shape") >= 0)
            shape->setProperty("Shape", ShapeRoundedRectangle);
    }
}
