#pragma once

#include "hardware/Parts.h"
