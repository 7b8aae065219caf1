#pragma once

#include "world/NewGame.h" // upward: the record includes a rule above it
