#pragma once
// The picture of a toolbar button, put on the clipboard the way a command-bar
// button's PasteFace takes it: the picture as CF_DIB, a copy of that block as
// "Toolbar Button Face" and a one-bit mask as "Toolbar Button Mask", in which
// white marks the pixels through which the toolbar shows.
#include <windows.h>
#include <olectl.h>

// picture must hold a bitmap (Type 1, a handle); its palette, or a halftone
// palette when it has none, translates maskColour, which may be an RGB value
// or a system-colour reference.  The clipboard is emptied first, so a face
// and mask left by an earlier picture never stay next to this one.
//
// CTL_E_INVALIDPICTURE (run-time error 481) for a missing picture, one that
// is not a bitmap or has no handle, with the clipboard left as it was; the
// translation's error for a mask colour that cannot be translated; a
// clipboard or memory error when the picture could not be placed.  A picture
// too small or too large for a mask, or a mask that cannot be added, still
// leaves the picture alone on the clipboard and gives S_OK.
HRESULT CopyFaceToClipboard(IPicture* picture, OLE_COLOR maskColour);

// The mask of bitmap for colour (an RGB value as the palette gives it): 1
// where the pixel has that colour, 0 elsewhere.  *mask stays null when no mask
// is made (a side outside 1 to 30000 pixels, a GDI failure); the caller owns
// the bitmap otherwise.
void CreateMaskBitmap(HBITMAP bitmap, COLORREF colour, HDC dc, HPALETTE palette, HBITMAP* mask);

// Adds the face (a copy of the clipboard's CF_DIB block) and the packed mask
// to the clipboard, next to what is there.  Does nothing without a usable
// mask or when the clipboard cannot be opened; a format whose block cannot be
// made is skipped.
void AddButtonFormats(HBITMAP mask, HDC dc);
