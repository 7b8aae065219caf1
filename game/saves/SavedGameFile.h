// Saved games: 124 records of 128 bytes, little-endian, each holding one GameState value at
// its start and zeros after it. A text is a 2-byte length N followed by N Windows-1251 bytes,
// so it fits its record only when N <= 126. A file whose last record ends right after its
// value reads like a full one.
//
// Saved games are untrusted input. Reading builds a fresh copy of the record and hands it
// back only when every value was read, so a refused file never half-changes the running
// game. What is refused:
//   - a file that is missing, unreadable or ends before the last value;
//   - a text length, read as a signed 2-byte count, that is negative or above 126;
//   - a mood or free disk space that is not a finite number (NaN, infinity).
// Every byte is a valid Windows-1251 text byte: the undefined 0x98 reads as U+0098 and is
// written back as 0x98, so a loaded text saves byte for byte as it was.
//
// Writing refuses, before the file is touched, a text with characters Windows-1251 cannot
// hold or one longer than 126 bytes in it; nothing is ever cut short. The file is replaced
// atomically, so a failed save leaves an older file of that name as it was.
//
// Messages are the game's own, in Russian, one line each, naming the file and what is wrong.
#pragma once

#include "state/GameState.h"

#include <QByteArray>
#include <QString>

#include <array>
#include <cstdint>
#include <optional>
#include <variant>

enum class SavedKind : uint8_t { Int16, Flag, Int32, UInt8, Float32, Currency, Text };

using SavedMember = std::variant<int16_t GameState::*, int32_t GameState::*, uint8_t GameState::*,
                                 float GameState::*, Currency GameState::*, QString GameState::*>;

// One record of a saved game: the field's name in GameState (also the inspector's key), its
// kind, and the field itself. Texts also carry the words messages name them by.
struct SavedField {
    const char* name = nullptr;
    SavedKind kind = SavedKind::Int16;
    SavedMember member;
    const char* title = nullptr;
};

inline constexpr int SavedRecordCount = 124;
inline constexpr int SavedRecordSize = 128;
inline constexpr int SavedTextMaxBytes = SavedRecordSize - 2;
inline constexpr int SavedGameSize = SavedRecordCount * SavedRecordSize;

// The records in file order.
const std::array<SavedField, SavedRecordCount>& savedFields();

// The bytes of a saved game, SavedGameSize long; empty when a text cannot be stored, with
// the reason (a lower-case clause naming the field) in *error.
QByteArray encodeSavedGame(const GameState& game, QString* error);

// Reads a saved game over a copy of base, so the fields a file does not hold keep base's
// values. Nothing else is touched; on refusal *error gets a lower-case clause saying why.
std::optional<GameState> readSavedGame(const QByteArray& bytes, const GameState& base,
                                       QString* error);

// Writes the saved game to path. Returns an empty string on success, else the message.
QString saveGame(const GameState& game, const QString& path);

// Why a file was not read as a saved game: it could not be opened or read at all, or it was
// read and is not a saved game (empty, cut short, a value out of bounds).
enum class ReadRefusal : uint8_t { None, Unreadable, NotASavedGame };

// Reads the saved game at path over a copy of base; on refusal *error gets the message and
// *refusal, when given, what kind of refusal it was.
std::optional<GameState> readSavedGameFile(const QString& path, const GameState& base,
                                           QString* error, ReadRefusal* refusal = nullptr);

// Loads the saved game at path into game, which changes only when the whole file was read.
// Returns an empty string on success, else the message (and *refusal, as above).
QString loadGame(GameState& game, const QString& path, ReadRefusal* refusal = nullptr);

// "<folder>/<name>.sav": where a saved game of that name lives.
QString savedGamePath(const QString& folder, const QString& name);
