// Chance for rule tests: draws what the test says, in order, and records every range asked for.
#pragma once

#include "state/Random.h"

#include <QList>

#include <deque>

class RecordingRandom final : public RandomSource {
public:
    std::deque<int> values;
    QList<int> asked;
    int below(int n) override
    {
        asked.append(n);
        if (values.empty())
            return 0;
        const int v = values.front();
        values.pop_front();
        return v;
    }
};
