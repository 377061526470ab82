#pragma once
#include <windows.h>

namespace vistrel::win32 {

// The property sheet's own dialog template, as comctl32 hands it over just before it makes the sheet
// (PSCB_PRECREATE, in either template form):
// - made hidden, so that the sheet shows only once the program has placed it;
// - given the pages' point size: the sheet lays its pages out in its own dialog units, and a page
//   whose font is larger than the frame's would be cut off at its right and bottom edges. A template
//   without a font of its own keeps the system's.
void adjustSheetTemplate(void* dialogTemplate, WORD pointSize);

}  // namespace vistrel::win32
