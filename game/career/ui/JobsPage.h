// Page 2 of the main screen: the job offers.
#pragma once

struct GameContext;

void addJobsPage(GameContext& context);
