#include "reminder/CountdownScreenLogic.h"

namespace vistrel {

void CountdownScreenLogic::open()
{
    m_open = true;
    m_label = kInitialText;
    m_copy.clear();
}

}  // namespace vistrel
