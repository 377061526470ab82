#pragma once
#include "base/Twips.h"

// The rest panel (`xxset`) in twips inside the panel: the sentence "每工作 … 分钟，去休息 … 分钟" is
// centred as a whole, with the two minute boxes (`Text2`, `Text3`) in its gaps and the hint line
// below it. Back and OK are the panels' shared places in MainFormLayout.h.
namespace vistrel::layout::rest {

inline constexpr int kSentenceTop = 600;
inline constexpr int kBoxWidth = 780;
inline constexpr int kBoxHeight = 390;
inline constexpr int kBoxRaise = 30;     // the boxes' text sits on the sentence's line
inline constexpr int kPieceGap = 90;     // between a piece of the sentence and a box
inline constexpr int kHintGap = 300;     // from the sentence down to the hint line
inline constexpr int kHintHeight = 360;

}  // namespace vistrel::layout::rest
