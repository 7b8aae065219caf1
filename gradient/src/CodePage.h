// Windows-1251, the single-byte code page the control draws its caption and names its fonts
// in. The conversion tables are made once from the system's converter, so a paint never
// opens a converter of its own.
#pragma once

#include <QByteArray>
#include <QChar>
#include <QString>

namespace vuzedovi::codepage {

// True when the character has a byte of its own and reads back as itself.
bool contains(QChar ch);

// One byte per character; a character outside the code page becomes '?'.
QByteArray fromUnicode(const QString& text);

// Every byte read as its character.
QString toUnicode(const QByteArray& bytes);

} // namespace vuzedovi::codepage
