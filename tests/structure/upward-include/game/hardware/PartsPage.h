#pragma once

#include "Parts.h"
