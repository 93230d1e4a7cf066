// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Room for longer words. A screen's controls sit at the rectangles designed
// for their English texts; another language's are often longer. Where a
// placed button, check box, option button or one-line label cannot show its
// whole text, it grows sideways into free room beside it (never over a
// sibling, never out of its parent); where there is none, a label wraps its
// text, growing downwards where there is room below. A wrapped label grows
// downwards in the same way. A text that fits keeps its control exactly
// where it was designed, so English looks as it always did; when the text
// fits again (the language changed back), the control goes back too.
//
// Every change goes through setDesignGeometry (kit/twips.h), so a fitted
// control is mirrored under a right-to-left layout like any other.

class QWidget;

namespace padmora {

// Fits the texts of the placed controls below root now, and again whenever
// one of them changes its text, is shown or its parent is shown.
void fitTexts(QWidget *root);

} // namespace padmora
