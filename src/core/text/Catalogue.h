#pragma once
#include <vector>

#include "text/TextEntry.h"

namespace vistrel {

// Every text of every area, for the checks that walk the whole catalogue.
std::vector<CatalogueText> catalogueTexts();

}  // namespace vistrel
