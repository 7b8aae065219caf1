// The captions of the game's message boxes, in every subsystem.
#pragma once

#include <QString>

// The program's title: the caption of its message boxes and of its main window.
inline const QString ProgramTitle = QStringLiteral("Тревинор");

// The caption of the game's warnings.
inline const QString WarningCaption = QStringLiteral("Предупреждение");
