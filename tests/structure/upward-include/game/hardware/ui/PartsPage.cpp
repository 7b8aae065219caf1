#include "PartsPage.h"

#include "flow/MainScreen.h"
#include "world/NewGame.h"
