#include "Installation.h"

#include <algorithm>

namespace {
using G = GameState;

bool enoughSpace(const GameState& g, const Program& p)
{
    return g.hddFreeGb >= float(p.sizeGb);
}

// Any of the operating systems, Linux and Longhorn included.
bool operatingSystemInstalled(const GameState& g)
{
    return std::any_of(programs.begin(), programs.end(), [&](const Program& p) {
        return p.section == Section::OperatingSystem && isSet(g.*p.installed);
    });
}

// A complete computer whose memory is the 256 or the 512 MB module.
bool completeWith256Mb(const GameState& g)
{
    for (const CategoryInfo& c : categories) {
        if (c.required && c.category != Category::Memory && !categoryHeld(g, c.category))
            return false;
    }
    return heldAmong(g, {&G::ram256Ddr, &G::ram512Ddr});
}

bool studio3dHardware(const GameState& g)
{
    return heldAmong(g, {&G::cpuCeleron2000, &G::cpuPentium4At1800, &G::cpuPentium4At2400,
                         &G::cpuAmdXp2400})
        && heldAmong(g, {&G::videoRadeon9000, &G::videoGf4Ti4200})
        && heldAmong(g, {&G::ram256Ddr, &G::ram512Ddr});
}
} // namespace

bool canInstall(const GameState& g, const Program& p)
{
    if (!enoughSpace(g, p))
        return false;
    switch (p.rule) {
    case Installability::CompleteComputer:
        return isComputerComplete(g);
    case Installability::CompleteComputer256:
        return completeWith256Mb(g);
    case Installability::OperatingSystem:
        return operatingSystemInstalled(g);
    case Installability::OperatingSystemRam512:
        return operatingSystemInstalled(g) && isSet(g.ram512Ddr);
    case Installability::OperatingSystemRam256:
        return operatingSystemInstalled(g) && isSet(g.ram256Ddr);
    case Installability::OperatingSystemStudio3d:
        return operatingSystemInstalled(g) && studio3dHardware(g);
    }
    return false;
}

bool canInstall(const GameState& g, QAnyStringView key)
{
    const Program* p = programWithKey(key);
    return p && canInstall(g, *p);
}

QString requirementText(const Program& p)
{
    QString text;
    for (const char* line : p.requirements) {
        if (!line)
            break;
        if (!text.isEmpty())
            text += QChar(13);
        text += QString::fromUtf8(line);
    }
    return text;
}

ProgramHover hoverProgram(const GameState& g, const Program& p)
{
    ProgramHover view;
    view.lblSisTreb = requirementText(p);
    if (canInstall(g, p)) {
        view.lblTool = QStringLiteral("Установка возможна");
        view.installable = true;
    } else {
        view.lblTool = p.section == Section::OperatingSystem
                           ? QStringLiteral("Комп не укомплектован или не хватает места!")
                           : QStringLiteral("Установка не возможна!");
    }
    return view;
}

InstallDialogOpening chooseProgram(GameState& g, const Program& p)
{
    g.pendingInstallKey = QString::fromLatin1(p.key);
    return {captionOf(p), canInstall(g, p)};
}

std::optional<QString> pendingProgramCaption(const GameState& g)
{
    if (const Program* p = programWithKey(g.pendingInstallKey))
        return captionOf(*p);
    return std::nullopt;
}

QString installedList(const GameState& g, Section s)
{
    QString list;
    for (const Program* p : programsInList(s)) {
        if (isSet(g.*p->installed))
            list += QChar(13) + listCaptionOf(*p);
    }
    return list;
}

std::optional<Section> sectionForEntry(QAnyStringView entry)
{
    for (const SectionInfo& s : sections) {
        if (QAnyStringView::equal(entry, QUtf8StringView(s.entry)))
            return s.section;
    }
    return std::nullopt;
}

InstallResult installProgram(GameState& g)
{
    InstallResult result;
    const Program* p = programWithKey(g.pendingInstallKey);
    if (!p)
        return result;
    // Any non-zero flag counts as installed, as everywhere else, so a program is never
    // installed twice and its size never taken twice.
    if (isSet(g.*p->installed)) {
        result.warning = Message::warning(QStringLiteral("Эта программа уже установлена!"));
        result.staysOpen = true;
        return result;
    }
    g.*p->installed = True;
    g.hddFreeGb -= float(p->sizeGb);
    result.indicator = Indicator{p->indicator, true};
    result.prgVint = diskBar(g);
    return result;
}

InstallResult removeProgram(GameState& g)
{
    InstallResult result;
    const Program* p = programWithKey(g.pendingInstallKey);
    if (!p)
        return result;
    if (!isSet(g.*p->installed)) {
        result.warning = Message::warning(QStringLiteral("Эта программа ещё не установлена!"));
        return result;
    }
    g.*p->installed = False;
    g.hddFreeGb += float(p->sizeGb);
    result.indicator = Indicator{p->indicator, false};
    result.prgVint = diskBar(g);
    return result;
}
