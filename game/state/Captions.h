// The caption of the game's warnings, in every subsystem's message boxes.
#pragma once

#include <QString>

inline const QString WarningCaption = QStringLiteral("Предупреждение");
