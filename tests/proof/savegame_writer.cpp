// The child of tst_killsave: saves the writer's games in turn to <folder>/<name>.sav as the
// save dialog does, forever, and says "saving" once it has begun.
#include "SavedGameWriter.h"

#include "saves/SaveFolder.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc != 3)
        return 2;
    const DataSaveFolder folder(QString::fromLocal8Bit(argv[1]));
    const QString name = QString::fromLocal8Bit(argv[2]);
    std::fputs("saving\n", stdout);
    std::fflush(stdout);
    for (int k = 0;; ++k) {
        if (auto failure = saveToFolder(writerGame(k), folder, name)) {
            std::fprintf(stderr, "%s\n", qPrintable(failure->text));
            return 1;
        }
    }
}
