// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Shows one of Padmora's pictures in an SVG view and keeps its resource path
// as the view's "picture" property, so what is on show can be read back.

#include <QString>

class QSvgWidget;
class QWidget;

namespace padmora {

void showPicture(QSvgWidget *view, const QString &path);
QString shownPicture(const QWidget *view);

} // namespace padmora
