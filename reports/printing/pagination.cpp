// SPDX-License-Identifier: GPL-3.0-or-later
#include "reports/printing/pagination.h"

#include <algorithm>

namespace padmora {

std::vector<PiecePlace> paginate(const std::vector<PieceSize> &pieces, double pageHeight)
{
    std::vector<PiecePlace> places(pieces.size());
    int page = 0;
    double y = 0;
    bool pageEmpty = true;
    const auto newPage = [&] {
        ++page;
        y = 0;
        pageEmpty = true;
    };
    for (std::size_t i = 0; i < pieces.size(); ++i) {
        const PieceSize &piece = pieces[i];
        if (pageEmpty && piece.blank) {
            places[i] = {page, 0, false};
            continue;
        }
        // The run that must stay on one page: this piece and every piece
        // kept with the one before it.
        double run = piece.height;
        for (std::size_t j = i; pieces[j].keepWithNext && j + 1 < pieces.size(); ++j)
            run += pieces[j + 1].spaceBefore + pieces[j + 1].height;
        const double gap = pageEmpty ? 0 : piece.spaceBefore;
        if (!pageEmpty && (y + gap + run > pageHeight && run <= pageHeight))
            newPage();
        else if (!pageEmpty && y + gap + piece.height > pageHeight)
            newPage();
        if (pageEmpty && piece.blank) {
            places[i] = {page, 0, false};
            continue;
        }
        y += pageEmpty ? 0 : piece.spaceBefore;
        places[i] = {page, y, true};
        y += piece.height;
        pageEmpty = false;
    }
    return places;
}

int pageCount(const std::vector<PiecePlace> &places)
{
    int last = 0;
    for (const PiecePlace &p : places)
        last = std::max(last, p.page);
    return last + 1;
}

} // namespace padmora
