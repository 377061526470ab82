#pragma once
// PixelRect is shared by every layout in the program.
#include "app/Twips.h"
