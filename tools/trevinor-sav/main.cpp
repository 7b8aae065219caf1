// trevinor-sav: a saved-game inspector for players and modders.
//
//   trevinor-sav dump FILE    the saved values as one JSON object, keys in record order
//   trevinor-sav check FILE   "ok" when the game would load the file, else why it would not
//
// The tool speaks the game's language: its messages are the game's own Russian ones, one
// line each. Exit codes: 0 done, 1 the file is refused, 2 wrong use.
#include "saves/SavedGameFile.h"

#include <QByteArray>
#include <QString>

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <type_traits>

namespace {

void writeLine(FILE* stream, const QString& text)
{
    const QByteArray bytes = text.toUtf8() + '\n';
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stream);
}

QByteArray jsonString(const QString& text)
{
    QString out = QStringLiteral("\"");
    for (const QChar c : text) {
        switch (c.unicode()) {
        case '"': out += QStringLiteral("\\\""); break;
        case '\\': out += QStringLiteral("\\\\"); break;
        case '\b': out += QStringLiteral("\\b"); break;
        case '\f': out += QStringLiteral("\\f"); break;
        case '\n': out += QStringLiteral("\\n"); break;
        case '\r': out += QStringLiteral("\\r"); break;
        case '\t': out += QStringLiteral("\\t"); break;
        default:
            if (c.unicode() < 0x20)
                out += QStringLiteral("\\u%1").arg(uint(c.unicode()), 4, 16, QLatin1Char('0'));
            else
                out += c;
        }
    }
    out += QLatin1Char('"');
    return out.toUtf8();
}

// The shortest text that reads back as the same float. The reader refuses NaN and infinity,
// which JSON cannot express; should one ever get here it is written as null.
QByteArray jsonNumber(float value)
{
    if (!std::isfinite(value))
        return "null";
    char text[32];
    const auto end = std::to_chars(text, text + sizeof text, value).ptr;
    return QByteArray(text, end - text);
}

QByteArray jsonValue(const GameState& game, const SavedField& field)
{
    return std::visit([&](auto member) -> QByteArray {
        using T = std::remove_cvref_t<decltype(game.*member)>;
        const T& value = game.*member;
        if constexpr (std::is_same_v<T, QString>)
            return jsonString(value);
        else if constexpr (std::is_same_v<T, Currency>)
            return value.toString().toLatin1();
        else if constexpr (std::is_same_v<T, float>)
            return jsonNumber(value);
        else
            return QByteArray::number(value);
    }, field.member);
}

QByteArray dump(const GameState& game)
{
    QByteArray out = "{\n";
    const auto& fields = savedFields();
    for (size_t i = 0; i < fields.size(); ++i) {
        out += "  \"" + QByteArray(fields[i].name) + "\": " + jsonValue(game, fields[i]);
        out += i + 1 < fields.size() ? ",\n" : "\n";
    }
    out += "}\n";
    return out;
}

} // namespace

int main(int argc, char** argv)
{
    const bool known = argc == 3
        && (std::strcmp(argv[1], "dump") == 0 || std::strcmp(argv[1], "check") == 0);
    if (!known) {
        writeLine(stderr, QStringLiteral("Использование: trevinor-sav dump ФАЙЛ | trevinor-sav check ФАЙЛ"));
        return 2;
    }

    QString error;
    const std::optional<GameState> game =
        readSavedGameFile(QString::fromLocal8Bit(argv[2]), GameState{}, &error);

    if (std::strcmp(argv[1], "check") == 0) {
        writeLine(stdout, game ? QStringLiteral("ok") : error);
        return game ? 0 : 1;
    }
    if (!game) {
        writeLine(stderr, error);
        return 1;
    }
    const QByteArray json = dump(*game);
    std::fwrite(json.constData(), 1, size_t(json.size()), stdout);
    return 0;
}
