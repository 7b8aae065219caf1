#include "Random.h"

#include <QRandomGenerator>

namespace {
class SystemRandom final : public RandomSource {
public:
    int below(int n) override
    {
        return n <= 1 ? 0 : int(QRandomGenerator::global()->bounded(quint32(n)));
    }
};
} // namespace

RandomSource& systemRandom()
{
    static SystemRandom random;
    return random;
}
