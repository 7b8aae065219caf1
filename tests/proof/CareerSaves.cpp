// The career test's saves folder, in a file of its own: the settings rules and the internet
// notices each declare a WarningCaption, so their headers cannot meet in one file.
#include "saves/SaveFolder.h"

namespace {
class FolderOf final : public SaveFolder {
public:
    QString path() const override { return m_path; }
    QString m_path;
};
} // namespace

SaveFolder& savesIn(const QString& path)
{
    static FolderOf folder;
    folder.m_path = path;
    return folder;
}
