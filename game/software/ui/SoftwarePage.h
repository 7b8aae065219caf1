// Page 4 of the main screen: the software catalogue with its requirements panel and disk bar,
// the installation dialog it opens, and what the home page's list of installed software shows.
#pragma once

struct GameContext;
struct InstallResult;
class MainScreen;

void addSoftwarePage(GameContext& context);

// What an install or a remove changed, on the software page: its indicator and the disk bar.
void showInstallResult(MainScreen& screen, const InstallResult& result);

// Every indicator shown exactly while its program is installed (after a new game or a load).
void refreshSoftware(MainScreen& screen);
