// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where the pieces of a printed reading go: a reading is laid out as a
// column of pieces that are never cut (a line of a report, a table row, a
// card, a drawing), and the column is parted into pages between pieces.

#include <vector>

namespace padmora {

struct PieceSize {
    double height = 0;
    // Room above the piece, unless it starts a page.
    double spaceBefore = 0;
    // A heading, or a caption: it goes on the page of the piece after it.
    bool keepWithNext = false;
    // An empty line: at the top of a page it takes no room.
    bool blank = false;
};

struct PiecePlace {
    int page = 0;
    double top = 0;     // from the top of the page's body
    bool shown = true;  // false for a blank line that starts a page
};

// Places every piece on a page of the given body height. A run of pieces
// kept together moves to a new page whole when it does not fit on the rest
// of this one and fits on a page of its own; a run taller than a page is
// cut where the page ends.
std::vector<PiecePlace> paginate(const std::vector<PieceSize> &pieces, double pageHeight);

// How many pages the placed pieces fill (at least one).
int pageCount(const std::vector<PiecePlace> &places);

} // namespace padmora
