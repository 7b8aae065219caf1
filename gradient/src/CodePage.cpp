#include "CodePage.h"

#include <QHash>
#include <QStringDecoder>
#include <QStringEncoder>

namespace vuzedovi::codepage {

namespace {

constexpr char Name[] = "windows-1251";

struct Tables {
    char16_t characterOf[256] = {};
    QHash<char16_t, uchar> byteOf;  // only the characters that survive the round trip

    Tables()
    {
        QStringDecoder decode(Name);
        for (int byte = 0; byte < 256; ++byte) {
            const QByteArray one(1, char(byte));
            // Without a converter the code page is still ASCII in its lower half.
            const QString character = decode.isValid() ? decode.decode(one) : QString();
            if (character.size() != 1) {
                characterOf[byte] = byte < 128 ? char16_t(byte) : char16_t(QChar::ReplacementCharacter);
                if (byte < 128)
                    byteOf.insert(char16_t(byte), uchar(byte));
                continue;
            }
            characterOf[byte] = character.at(0).unicode();
            QStringEncoder encode(Name);
            const QByteArray back = encode.encode(character);
            if (back == one && !encode.hasError())
                byteOf.insert(character.at(0).unicode(), uchar(byte));
        }
    }
};

const Tables& tables()
{
    static const Tables instance;
    return instance;
}

} // namespace

bool contains(QChar ch) { return tables().byteOf.contains(ch.unicode()); }

QByteArray fromUnicode(const QString& text)
{
    const Tables& t = tables();
    QByteArray bytes;
    bytes.reserve(text.size());
    for (QChar ch : text)
        bytes.append(char(t.byteOf.value(ch.unicode(), uchar('?'))));
    return bytes;
}

QString toUnicode(const QByteArray& bytes)
{
    const Tables& t = tables();
    QString text;
    text.reserve(bytes.size());
    for (char byte : bytes)
        text.append(QChar(t.characterOf[uchar(byte)]));
    return text;
}

} // namespace vuzedovi::codepage
