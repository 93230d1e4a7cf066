// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Padmora's style: the platform's own style, except that the standard icons
// (a menu bar's overflow arrow, a child window's buttons, a message box's
// sign) are read from their picture files when first painted, not when they
// are asked for. Every menu bar asks for its overflow arrow as it is made,
// and reading any picture file the first time loads and probes every image
// format plug-in: a tenth of the start, for an arrow that shows only when a
// menu bar is too narrow for its menus.

#include <QProxyStyle>

namespace padmora {

class PadmoraStyle : public QProxyStyle {
    Q_OBJECT
public:
    PadmoraStyle();

    QIcon standardIcon(StandardPixmap icon, const QStyleOption *option = nullptr,
                       const QWidget *widget = nullptr) const override;
};

} // namespace padmora
