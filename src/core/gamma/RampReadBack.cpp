#include "gamma/RampReadBack.h"

#include <algorithm>
#include <cstdlib>

namespace vistrel {

bool readsBackAs(const GammaRamp& read, const GammaRamp& written)
{
    // No early exit: the whole table in one pass is cheaper than a branch per entry.
    int worst = 0;
    for (std::size_t i = 0; i < read.values.size(); ++i)
        worst = std::max(worst, std::abs(int{read.values[i]} - int{written.values[i]}));
    return worst <= kReadBackTolerance;
}

}  // namespace vistrel
