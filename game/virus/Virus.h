// Viruses caught online: the infection decided at disconnection, destroying the virus with a
// fresh antivirus, and the five outcomes of letting it pass.
#pragma once

#include "state/GameState.h"
#include "state/Message.h"

struct Part;
struct Program;

#include <QString>

#include <array>
#include <optional>
#include <vector>

class RandomSource;

// At disconnection: a fair coin decides whether a virus came with this connection. Sets
// virusActive and returns it.
bool catchVirus(GameState& g, RandomSource& random);

// lblUnictozh: any installed antivirus and bases updated since the weekly reset.
struct DestroyResult {
    Message message;
    bool closes; // the virus is gone and the virus screen closes; otherwise it stays open
};
DestroyResult destroyVirus(GameState& g);

// What the virus takes from the account when it steals.
inline constexpr Currency VirusTheft = Currency::fromRoubles(500);

enum class PassOutcome {
    ProgramsDeleted = 1, // all programs deleted, the job lost
    MoneyStolen,         // VirusTheft
    BoardAndCpuLost,     // motherboard and processor
    DiskLost,            // the hard disk, then everything of ProgramsDeleted
    NoDamage,
};
// Uniform over the five outcomes.
PassOutcome drawPassOutcome(RandomSource& random);

// What the main screen shows after the virus has done its work.
struct VirusDamage {
    std::vector<const Program*> programsRemoved; // installed marks to hide
    std::vector<const Part*> partsBuyable;       // part labels to enable again
    std::optional<QString> jobSelectable;           // the job label to enable again
    std::optional<QString> lblRab;
    std::optional<int> diskUsed; // prgVint's value
    std::optional<QString> lblMBoard, lblProc, lblVint, lblObiomVint;
};

struct PassResult {
    std::vector<Message> messages; // in the order they are shown
    VirusDamage damage;
};
// lblPropust: the infection message, then the outcome. The virus screen closes afterwards.
PassResult letVirusPass(GameState& g, PassOutcome outcome);
