// Page 1 of the main screen: the training courses.
#pragma once

struct GameContext;

void addTrainingPage(GameContext& context);
