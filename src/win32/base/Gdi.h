#pragma once
#include <windows.h>

#include "base/Twips.h"
#include "base/UniqueHandle.h"

namespace vistrel::win32 {

// Colours more than one window is painted in.
namespace palette {
inline constexpr COLORREF kWindowBackground = RGB(243, 248, 251);  // the main window and its panels
inline constexpr COLORREF kWhite = RGB(255, 255, 255);
inline constexpr COLORREF kBlack = RGB(0, 0, 0);
inline constexpr COLORREF kLabelText = RGB(64, 64, 64);
inline constexpr COLORREF kFrame = RGB(206, 214, 222);      // boxes drawn on the window background
inline constexpr COLORREF kStrongText = RGB(48, 48, 48);    // the figures a window is about
inline constexpr COLORREF kQuietText = RGB(128, 128, 128);  // titles, hints and captions
inline constexpr COLORREF kBand = RGB(106, 189, 217);       // the cyan of bands and bars
inline constexpr COLORREF kLink = RGB(0, 102, 204);         // what reads as a link or a highlight line
}  // namespace palette

RECT toRect(const PixelRect& p);

void fillRect(HDC dc, const RECT& r, COLORREF colour);
// A one-pixel outline along the inside of r, nothing filled.
void drawFrame(HDC dc, const RECT& r, COLORREF colour);

// One of the program's bitmap resources as a DIB section, pixels untouched, at an art scale in
// percent (100, 125, 150, 175 or 200; see app/ArtScale.h). Null when the resource is missing (for
// instance in a test program that links no resources).
UniqueBitmap loadBitmapResource(int id, int artScale = 100);
// Width and height of a bitmap; zero for a null or invalid one.
SIZE bitmapSize(HBITMAP bitmap);
// The whole bitmap, unscaled, with its top-left corner at (x, y).
void drawBitmap(HDC dc, HBITMAP bitmap, int x, int y);
// The part of the bitmap in `source`, unscaled, with its top-left corner at (x, y).
void drawBitmapPart(HDC dc, HBITMAP bitmap, int x, int y, const RECT& source);

}  // namespace vistrel::win32
