// The rules of the software page and the installation dialog: which program can be installed,
// what the page shows while the pointer rests on a program, choosing a program, the installed
// lists of the home page, and installing and removing.
#pragma once

#include "Programs.h"

#include "hardware/Computer.h"
#include "state/GameState.h"
#include "state/Message.h"

#include <QString>

#include <optional>

// Whether the program can be installed now, by its installability rule. Whether it is
// installed already does not matter here.
bool canInstall(const GameState& g, const Program& p);
// The same for an installation key; an unknown key cannot be installed.
bool canInstall(const GameState& g, QAnyStringView key);

// The program's requirement lines joined by carriage returns (character 13).
QString requirementText(const Program& p);

// What the page shows while the pointer rests on a program's label (the label itself is red).
struct ProgramHover {
    QString lblSisTreb;
    QString lblTool;
    bool installable = false; // imgDiski shows whether installing is possible
    bool operator==(const ProgramHover&) const = default;
};
ProgramHover hoverProgram(const GameState& g, const Program& p);

// What the installation dialog opens with after a program was chosen.
struct InstallDialogOpening {
    QString lblUstanovka;         // the program's catalogue caption
    bool command1Visible = false; // "Установить" is offered only when it can be installed
};
// A click on a program's label: remembers its key for the dialog.
InstallDialogOpening chooseProgram(GameState& g, const Program& p);

// The name the dialog shows for the remembered key; nothing for a key not in the catalogue.
std::optional<QString> pendingProgramCaption(const GameState& g);

// The installed list of a section for lblProgrObesp: a carriage return before the list caption
// of every installed program, in the section's list order.
QString installedList(const GameState& g, Section s);
// The section whose entry of cmbProgrObesp this is; nothing for any other text.
std::optional<Section> sectionForEntry(QAnyStringView entry);

// An indicator shape beside a catalogue label.
struct Indicator {
    const char* name = nullptr;
    bool visible = false;
    bool operator==(const Indicator&) const = default;
};

// What a press of "Установить" or "Удалить" did. A warning, when there is one, is shown first.
// Then, unless the dialog stays open, its bar fills to 100 and it closes.
struct InstallResult {
    std::optional<Message> warning;
    std::optional<Indicator> indicator; // the program's indicator, shown or hidden
    std::optional<DiskBar> prgVint;     // the disk bar of the software page
    bool staysOpen = false;             // only a refused install keeps the dialog open
};

// "Установить" for the remembered key: marks the program installed and takes its size from the
// free space; refused with "Эта программа уже установлена!" when it is installed already.
InstallResult installProgram(GameState& g);
// "Удалить" for the remembered key: the reverse; refused with "Эта программа ещё не
// установлена!" when it is not installed, and the dialog closes all the same.
InstallResult removeProgram(GameState& g);
