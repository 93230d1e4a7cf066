// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A word-wrapped label whose paragraphs are parted, as designed, by a run of
// blanks instead of line breaks. The run is kept wider than the label, so
// each paragraph starts a line of its own with no empty line before it,
// whatever font and width the label gets.

#include <QLabel>
#include <QStringList>

namespace padmora {

class ParagraphLabel : public QLabel {
    Q_OBJECT
public:
    explicit ParagraphLabel(const QStringList &paragraphs, QWidget *parent = nullptr);

    const QStringList &paragraphs() const { return m_paragraphs; }

protected:
    void changeEvent(QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void compose();

    QStringList m_paragraphs;
};

} // namespace padmora
