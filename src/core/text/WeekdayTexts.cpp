#include "text/WeekdayTexts.h"

namespace vistrel {
namespace {

using enum WeekdayText;
constexpr TextEntry<WeekdayText> kTable[] = {
    {Monday, "周一", "Mon"},   {Tuesday, "周二", "Tue"},  {Wednesday, "周三", "Wed"}, {Thursday, "周四", "Thu"},
    {Friday, "周五", "Fri"},   {Saturday, "周六", "Sat"}, {Sunday, "周日", "Sun"},
};
static_assert(wellFormed<WeekdayText>(kTable));

}  // namespace

const TextEntry<WeekdayText>& textEntry(WeekdayText id) { return kTable[static_cast<std::size_t>(id)]; }
std::span<const TextEntry<WeekdayText>> textTable(WeekdayText) { return kTable; }

}  // namespace vistrel
