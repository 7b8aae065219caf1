// The pictures of the main screen's toolbar keys, painted by the game itself.
#pragma once

#include <QIcon>
#include <QPixmap>
#include <QString>

// A picture that says what the key opens: a book, a briefcase, a computer, a disc, a code
// bracket, a globe, a palm under the sun, a menu list. An unknown key gets an empty icon.
QIcon toolbarIcon(const QString& key);
// The same picture, size pixels square.
QPixmap toolbarPicture(const QString& key, int size, qreal devicePixelRatio = 1.0);
