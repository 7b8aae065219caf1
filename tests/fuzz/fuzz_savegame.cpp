// Feeds arbitrary bytes to the saved-game reader. Besides not crashing and not reading past
// its input, the reader must explain every refusal, and whatever it accepts must save again
// and read back as the same game.
#include "saves/SavedGameFile.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    // No copy: the reader works on the fuzzer's own buffer, so any read past it is caught.
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(data),
                                                     qsizetype(size));
    const GameState base;
    QString error;
    const std::optional<GameState> game = readSavedGame(bytes, base, &error);
    if (!game) {
        if (error.isEmpty())
            std::abort();
        return 0;
    }

    const QByteArray again = encodeSavedGame(*game, &error);
    if (again.size() != SavedGameSize)
        std::abort();
    const std::optional<GameState> back = readSavedGame(again, base, &error);
    if (!back || !(*back == *game))
        std::abort();
    return 0;
}
