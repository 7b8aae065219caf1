#include "SavesWiring.h"

#include "SaveLoadDialogs.h"

#include "flow/GameContext.h"
#include "kit/ScreenPlacement.h"
#include "saves/SaveFolder.h"

SaveFolder& saveFolderOf(const GameContext& context)
{
    static DataSaveFolder dataFolder;
    return context.services.saves ? *context.services.saves : dataFolder;
}

void addSaveAndLoadDialogs(GameContext& context)
{
    Hooks& hooks = context.hooks;
    hooks.openSave = [&context](QWidget& menu) {
        ScreenPlacement::openOver(menu, new SaveDialog(context, saveFolderOf(context), &menu));
    };
    hooks.openLoad = [&context](QWidget& menu) {
        ScreenPlacement::openOver(menu, new LoadDialog(context, saveFolderOf(context), &menu));
    };
}
