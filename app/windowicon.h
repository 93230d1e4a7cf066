// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Padmora's icon at the sizes a window shows. It is rendered from its SVG at
// build time (tools/rendericon.cpp writes the definition into the build
// tree) and compiled in as pixels, so that a start neither parses the SVG nor
// reads a picture file, which would also load Qt's image format plug-ins.

#include <QtGlobal>
#include <span>

namespace padmora {

struct IconPicture {
    int size;               // width and height in pixels
    const quint32 *pixels;  // size x size premultiplied ARGB32 pixels, row by row
};

std::span<const IconPicture> windowIconPictures();

} // namespace padmora
