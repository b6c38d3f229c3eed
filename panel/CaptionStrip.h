// The panel's caption strip: a dark-to-light blue gradient with the program's name, the part of the panel that
// the user drags it by.
#pragma once

#include <windows.h>

namespace qiv {

// Paints the strip into client, the panel's client rectangle: on a panel of one row only its first two cells.
// Drawn off screen and copied in one operation, so that a repaint does not flicker. font: the panel's dialog
// font, for the title; null draws no title.
void PaintCaptionStrip(HDC dc, RECT client, int cell, HFONT font);

}  // namespace qiv
