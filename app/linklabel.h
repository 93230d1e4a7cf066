#pragma once
// A label that acts as a web link: hand pointer, a click signal, and on
// request an underline while the mouse is over it.

#include <QLabel>

namespace padmora {

class LinkLabel : public QLabel {
    Q_OBJECT
public:
    explicit LinkLabel(const QString &name, const QString &text, QWidget *parent = nullptr);

    void setUnderlined(bool underlined);
    void setLinkColour(const QColor &colour);
    bool isUnderlined() const;

signals:
    void clicked();
    void hovered();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
};

} // namespace padmora
