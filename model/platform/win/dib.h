// GDI bitmap routines of the skin model (Windows tree only): conversion of
// any bitmap into a DIB section of a chosen depth, standard DIB sections,
// palettes, packed DIBs, bitmap files and the clipboard. Every handle and
// block returned is owned by the caller (RAII types where it matters).
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "base/win/dib.h"
#include "base/win/gdi.h"
#include "base/win/handles.h"

// --- bitmap descriptions ---------------------------------------------------

// A zero-initialised BITMAPINFO for the bitmap: header (size 40, width,
// height, planes 1, bit count rounded up to 1, 4, 8, 16, 24 or 32, BI_RGB,
// biSizeImage of DWORD-aligned rows) and room for 2^bits colours below 24
// bits (biClrUsed set). Empty when the bitmap cannot be queried.
std::vector<BYTE> AllocBitmapInfo(HBITMAP bitmap);
// A copy of the bitmap as a DIB section (keeps its depth); null for null.
HBITMAP DuplicateDibBitmap(HBITMAP bitmap);
// The bitmap as a BMP file image (14-byte file header, info header and
// colour table, bits from GetDIBits); empty when the bits cannot be fetched.
std::vector<BYTE> BuildPackedBmpFile(const BITMAPINFO* info, HBITMAP bitmap, HDC dc);
// The pixel bits of a BMP file image: start + 54 + 4 * colours used.
const BYTE* GetPackedBmpBits(const BYTE* bmpFile);

// --- palettes ----------------------------------------------------------------

HPALETTE CreateBitmapPalette(HBITMAP bitmap);
HPALETTE CreateHalftone256Palette();

// --- DIB sections ------------------------------------------------------------

// A bottom-up DIB section with a standard colour table (1, 4, 8 bits), or
// bit-field masks (15, 16, 32 bits), or plain 24 bits. Null on failure.
HBITMAP CreateStandardDibSection(int width, int height, WORD bits);
// A new DIB section of the bitmap's size and the given depth with its
// contents, through the palette (or the bitmap's own / the default one).
// Null for a non-bitmap.
HBITMAP ConvertBitmapToDib(HBITMAP bitmap, HPALETTE palette, WORD bits);
HBITMAP ConvertBitmapToDibSameDepth(HBITMAP bitmap, HPALETTE palette);
// A device-compatible copy blitted through the bitmap's palette.
HBITMAP CopyBitmapWithPalette(HBITMAP bitmap);
// A DIB section from a packed DIB held in global memory; null for null or a
// block whose header, table or pixels do not fit in it.
HBITMAP CreateDibFromPacked(HGLOBAL packed);
void* GetBitmapBitsPtr(HBITMAP bitmap);
int GetBitmapBitsPerPixel(HBITMAP bitmap);
// The DIB's own header (with masks for BI_BITFIELDS) and colour table (the
// halftone table of 256 entries above 8 bits). Empty when not a DIB section.
std::vector<BYTE> GetDibHeaderInfo(HBITMAP dib);
// A zero-initialised global block holding the packed DIB; null (and size
// left alone) when the bitmap is not a DIB section or the block cannot be
// allocated or locked. The block comes from `allocate` (tests pass one that
// hands out blocks which cannot be locked).
using GlobalAllocator = HGLOBAL(WINAPI*)(UINT flags, SIZE_T bytes);
hexmoor::win::GlobalMemory PackDibToGlobal(HBITMAP dib, SIZE_T* size, GlobalAllocator allocate = ::GlobalAlloc);

// --- devices -----------------------------------------------------------------

BOOL GetDeviceBitmapFormat(HDC dc, BITMAPINFO* out);
BOOL GetDeviceColorBits(HDC dc, int* red, int* green, int* blue);
int CountBits(DWORD value);

// --- files and clipboard ------------------------------------------------------

// Loads a .bmp file as a DIB section; with a palette out-pointer the palette
// is built from it. FALSE when out is null or loading fails.
BOOL LoadBitmapFile(const wchar_t* path, HBITMAP* out, HPALETTE* palette);
// Writes a DIB section as a .bmp file; TRUE only when every byte is written
// to a disk file.
BOOL SaveDibToBmpFile(const wchar_t* path, HBITMAP dib);
BOOL DrawBitmapStretched(HDC dc, HBITMAP bitmap, const RECT* rect);
HBITMAP PasteBitmapFromClipboard(HWND owner = nullptr);
// The owner window is the clipboard's owner after the copy (a clipboard
// emptied without owner refuses new data on some systems).
BOOL CopyBitmapToClipboard(HBITMAP dib, HWND owner = nullptr);
