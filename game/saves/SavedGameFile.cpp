#include "SavedGameFile.h"

#include "career/Skills.h"
#include "hardware/Parts.h"
#include "software/Programs.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>
#include <QStringEncoder>

#include <algorithm>
#include <bit>
#include <cmath>
#include <type_traits>

namespace {

#define SAVED(kind, field) SavedField{#field, SavedKind::kind, &GameState::field}
#define SAVED_TEXT(field, title) SavedField{#field, SavedKind::Text, &GameState::field, title}

// Records 11 to 29, 30 to 48, 49 to 86 and 88 to 106: the known-skill, installed-program,
// part and counted-skill flags, in the order of the skills, software and hardware catalogues,
// which is the order of the flags in the record.
template <class Row, size_t N>
constexpr std::array<SavedField, N> flagRecords(const std::array<Row, N>& catalogue,
                                                Flag GameState::* Row::*flag,
                                                const char* Row::*name)
{
    std::array<SavedField, N> records{};
    for (size_t i = 0; i < N; ++i)
        records[i] = SavedField{catalogue[i].*name, SavedKind::Flag, catalogue[i].*flag};
    return records;
}

template <size_t... N>
constexpr std::array<SavedField, (N + ...)> joined(const std::array<SavedField, N>&... groups)
{
    std::array<SavedField, (N + ...)> all{};
    size_t at = 0;
    ((std::copy(groups.begin(), groups.end(), all.begin() + at), at += N), ...);
    return all;
}

constexpr std::array<SavedField, SavedRecordCount> fields = joined(std::to_array<SavedField>({
    SAVED(Int16, dayCounter),
    SAVED_TEXT(playerName, "имя игрока"),
    SAVED(Float32, mood),
    SAVED_TEXT(statusTitle, "статус"),
    SAVED(Int16, experience),
    SAVED_TEXT(jobTitle, "работа"),
    SAVED(Currency, money),
    SAVED(Int16, dailyPay),
    SAVED(Int16, hddCapacityGb),
    SAVED(Float32, hddFreeGb),
}), flagRecords(skills, &Skill::knows, &Skill::knowsField),
flagRecords(programs, &Program::installed, &Program::field),
flagRecords(parts, &Part::owned, &Part::field),
std::to_array<SavedField>({
    SAVED(Flag, antivirusUpdated),
}), flagRecords(skills, &Skill::scored, &Skill::scoredField),
std::to_array<SavedField>({
    SAVED(Int32, seniority),
    SAVED(UInt8, seniorityPerDay),
    SAVED(Flag, downloadedParadox),
    SAVED(Flag, downloadedDbisam),
    SAVED(Flag, downloadedAccess),
    SAVED(Int32, finishedProjectType),
    SAVED_TEXT(projectName, "название проекта"),
    SAVED(UInt8, devDaysDone),
    SAVED(Flag, developing),
    SAVED(Int32, devProjectType),
    SAVED(Flag, passedCourseVbVcFox),
    SAVED(Flag, passedDbIntro1),
    SAVED(Flag, passedDbIntro2),
    SAVED(Flag, passedFoxDb1),
    SAVED(Flag, passedFoxDb2),
    SAVED(Flag, passedDbms1),
    SAVED(Flag, passedDbms2),
    SAVED(Flag, passedDbms3),
}));

#undef SAVED
#undef SAVED_TEXT

template <class T>
constexpr bool holds(const SavedField& f)
{
    return std::holds_alternative<T GameState::*>(f.member);
}

constexpr bool kindFitsField(const SavedField& f)
{
    switch (f.kind) {
    case SavedKind::Int16:
    case SavedKind::Flag: return holds<int16_t>(f);
    case SavedKind::Int32: return holds<int32_t>(f);
    case SavedKind::UInt8: return holds<uint8_t>(f);
    case SavedKind::Float32: return holds<float>(f);
    case SavedKind::Currency: return holds<Currency>(f);
    case SavedKind::Text: return holds<QString>(f) && f.title != nullptr;
    }
    return false;
}

// Every row's kind matches its field, and no field is saved twice (the rows take their names
// from their fields, so no name is either).
constexpr bool tableIsSound()
{
    for (size_t i = 0; i < fields.size(); ++i) {
        if (!kindFitsField(fields[i]))
            return false;
        for (size_t j = 0; j < i; ++j) {
            if (fields[i].member == fields[j].member)
                return false;
        }
    }
    return true;
}
static_assert(tableIsSound());

constexpr const char* Codec = "windows-1251";

// Little-endian bytes of an unsigned value, and back.
template <class U>
void putBytes(char* at, U value)
{
    for (size_t i = 0; i < sizeof(U); ++i)
        at[i] = char(uint8_t(value >> (8 * i)));
}

template <class U>
U getBytes(const char* at)
{
    U value = 0;
    for (size_t i = 0; i < sizeof(U); ++i)
        value = U(value | U(U(uint8_t(at[i])) << (8 * i)));
    return value;
}

// Each kind of value as the unsigned type of its width in the file (for a text, its length).
template <class T> struct StoredAs { using type = std::make_unsigned_t<T>; };
template <> struct StoredAs<float> { using type = uint32_t; };
template <> struct StoredAs<Currency> { using type = uint64_t; };
template <> struct StoredAs<QString> { using type = uint16_t; };
template <class T> using Stored = typename StoredAs<T>::type;

QString fieldRef(int index)
{
    return QStringLiteral("%1 (%2)").arg(index + 1).arg(QLatin1String(fields[size_t(index)].name));
}

// The Windows-1251 bytes of a text, or a clause saying why it cannot be saved.
std::optional<QByteArray> encodeText(const QString& text, const SavedField& field, QString* why)
{
    const QString title = QString::fromUtf8(field.title);
    QStringEncoder encoder(Codec, QStringConverter::Flag::Stateless);
    if (!encoder.isValid()) {
        *why = QStringLiteral("нет кодировки Windows-1251, чтобы записать поле «%1»").arg(title);
        return std::nullopt;
    }
    QByteArray bytes = encoder.encode(text);
    if (encoder.hasError()) {
        *why = QStringLiteral("в поле «%1» есть знаки, которых нет в кодировке Windows-1251")
                   .arg(title);
        return std::nullopt;
    }
    if (bytes.size() > SavedTextMaxBytes) {
        *why = QStringLiteral("поле «%1» длиннее %2 байт (в кодировке Windows-1251 — %3)")
                   .arg(title).arg(SavedTextMaxBytes).arg(bytes.size());
        return std::nullopt;
    }
    return bytes;
}

QString truncatedIn(int record)
{
    return QStringLiteral("файл обрывается в записи %1").arg(fieldRef(record));
}

// The text of record k, `length` bytes in Windows-1251 after its two length bytes at `at`, with
// `left` bytes of the file from `at` on. A length that is negative, longer than the record or
// past the end of the file, and bytes that do not decode, are refused with the reason in why.
std::optional<QString> readText(const char* at, qsizetype left, int length, int k, QString& why)
{
    // The length is a signed count: negative or past the record is refused.
    if (length < 0 || length > SavedTextMaxBytes) {
        why = QStringLiteral("в записи %1 длина текста %2, а в запись помещается "
                             "не больше %3 байт")
                  .arg(fieldRef(k)).arg(length).arg(SavedTextMaxBytes);
        return std::nullopt;
    }
    if (left < 2 + length) {
        why = truncatedIn(k);
        return std::nullopt;
    }
    QStringDecoder decoder(Codec, QStringConverter::Flag::Stateless);
    QString text = decoder.isValid() ? decoder.decode(QByteArrayView(at + 2, length)) : QString();
    if (!decoder.isValid() || decoder.hasError()) {
        why = QStringLiteral("текст в записи %1 не читается в кодировке Windows-1251")
                  .arg(fieldRef(k));
        return std::nullopt;
    }
    return text;
}

std::optional<GameState> refuse(QString* error, const QString& why)
{
    if (error)
        *error = why;
    return std::nullopt;
}

} // namespace

const std::array<SavedField, SavedRecordCount>& savedFields()
{
    return fields;
}

QByteArray encodeSavedGame(const GameState& game, QString* error)
{
    QByteArray file(SavedGameSize, '\0');
    for (size_t k = 0; k < fields.size(); ++k) {
        char* at = file.data() + k * SavedRecordSize;
        QString why;
        const bool stored = std::visit([&](auto member) {
            using T = std::remove_cvref_t<decltype(game.*member)>;
            const T& value = game.*member;
            if constexpr (std::is_same_v<T, QString>) {
                const std::optional<QByteArray> bytes = encodeText(value, fields[k], &why);
                if (!bytes)
                    return false;
                putBytes(at, uint16_t(bytes->size()));
                std::copy(bytes->begin(), bytes->end(), at + 2);
            } else if constexpr (std::is_same_v<T, Currency>) {
                putBytes(at, uint64_t(value.units()));
            } else if constexpr (std::is_same_v<T, float>) {
                putBytes(at, std::bit_cast<uint32_t>(value));
            } else {
                putBytes(at, Stored<T>(value));
            }
            return true;
        }, fields[k].member);
        if (!stored) {
            if (error)
                *error = why;
            return {};
        }
    }
    return file;
}

std::optional<GameState> readSavedGame(const QByteArray& bytes, const GameState& base,
                                       QString* error)
{
    if (bytes.isEmpty())
        return refuse(error, QStringLiteral("файл пуст"));

    GameState game = base;
    const qsizetype size = bytes.size();
    for (int k = 0; k < SavedRecordCount; ++k) {
        const qsizetype offset = qsizetype(k) * SavedRecordSize;
        QString why;
        std::visit([&](auto member) {
            using T = std::remove_cvref_t<decltype(game.*member)>;
            if (size - offset < qsizetype(sizeof(Stored<T>))) {
                why = truncatedIn(k);
                return;
            }
            const char* at = bytes.constData() + offset;
            const Stored<T> raw = getBytes<Stored<T>>(at);
            if constexpr (std::is_same_v<T, QString>) {
                if (std::optional<QString> text = readText(at, size - offset, int16_t(raw), k, why))
                    game.*member = std::move(*text);
            } else if constexpr (std::is_same_v<T, Currency>) {
                game.*member = Currency::fromUnits(int64_t(raw));
            } else if constexpr (std::is_same_v<T, float>) {
                const float value = std::bit_cast<float>(raw);
                if (!std::isfinite(value)) {
                    why = QStringLiteral("в записи %1 не число").arg(fieldRef(k));
                    return;
                }
                game.*member = value;
            } else {
                game.*member = T(raw);
            }
        }, fields[size_t(k)].member);
        if (!why.isEmpty())
            return refuse(error, why);
    }
    return game;
}

QString saveGame(const GameState& game, const QString& path)
{
    QString why;
    const QByteArray bytes = encodeSavedGame(game, &why);
    if (bytes.isEmpty())
        return QStringLiteral("Игра не сохранена: %1.").arg(why);

    QSaveFile file(path);
    // Unbuffered, so a short write (a full disk) shows in write()'s count; a buffered one
    // would lose the error and commit a cut-off file over the old one.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered) ||
        file.write(bytes) != bytes.size() || !file.commit())
        return QStringLiteral("Игра не сохранена: не удалось записать файл «%1».").arg(path);
    return {};
}

std::optional<GameState> readSavedGameFile(const QString& path, const GameState& base,
                                           QString* error, ReadRefusal* refusal)
{
    const auto refused = [&](ReadRefusal kind, const QString& why) {
        if (refusal)
            *refusal = kind;
        return refuse(error, why);
    };
    if (refusal)
        *refusal = ReadRefusal::None;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return refused(ReadRefusal::Unreadable,
                       QFileInfo::exists(path)
                           ? QStringLiteral("Не удалось открыть файл «%1».").arg(path)
                           : QStringLiteral("Файл «%1» не найден.").arg(path));
    }
    // Anything past the last record is never looked at, so a huge file costs nothing.
    const QByteArray bytes = file.read(SavedGameSize);
    if (file.error() != QFileDevice::NoError)
        return refused(ReadRefusal::Unreadable,
                       QStringLiteral("Не удалось прочитать файл «%1».").arg(path));

    QString why;
    std::optional<GameState> game = readSavedGame(bytes, base, &why);
    if (!game)
        return refused(ReadRefusal::NotASavedGame,
                       QStringLiteral("Файл «%1» не загружен: %2.").arg(path, why));
    return game;
}

QString loadGame(GameState& game, const QString& path, ReadRefusal* refusal)
{
    QString error;
    std::optional<GameState> loaded = readSavedGameFile(path, game, &error, refusal);
    if (!loaded)
        return error;
    game = std::move(*loaded);
    return {};
}

QString savedGamePath(const QString& folder, const QString& name)
{
    return folder + QLatin1Char('/') + name + QStringLiteral(".sav");
}
