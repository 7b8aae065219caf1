// A message box the online and virus screens show: its text and which of the two kinds it is.
#pragma once

#include "state/Captions.h"

#include <QString>

struct Notice {
    enum class Kind {
        Result,  // OK button only, no icon, the program's title as caption
        Warning, // caption "Предупреждение", exclamation icon
    };
    Kind kind = Kind::Result;
    QString text;

    bool operator==(const Notice&) const = default;
};

