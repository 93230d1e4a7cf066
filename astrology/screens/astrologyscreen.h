// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// frmChakrasAstrologyMain: name and birth date on the "Personal Details"
// page, the sun sign's chakra reading on the "Astro Chakra Details" page.
//
// Controls: fraStep(0) and fraStep(1), the two pages in the same place;
// lblLabel(0) the introduction, lblLabel(1) "Name", lblLabel(2) "Date of
// Birth", lblLabel(3) to lblLabel(13) the captions beside lblResult(0) to
// lblResult(10); txtName; cboMonth, cboDate, cboYear; picDisp(0) to picDisp(6)
// crown first; cmdNext; picChakra; cmdBack; Label14 with fraFullBrand.

#include "astrology/astrologyreading.h"
#include "kit/form.h"
#include "reports/printing/printablescreen.h"

#include <QDateTime>
#include <array>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace padmora {

class PictureView;

inline const QString kAstrologyCaption = QStringLiteral("VQ Vovuvev Avoverazi");

class AstrologyScreen : public Form, public PrintableScreen {
    Q_OBJECT
public:
    explicit AstrologyScreen(QWidget *parent = nullptr);

    // PrintableScreen: while the reading page is in front, its eleven facts
    // and the chakra's picture; never the name.
    bool showsReading() const override;
    std::optional<PrintableReading> printableReading() const override;

    void Form_Load() override;
    void cmdNext_Click();
    void cmdBack_Click();
    void mnuExit_Click();

    // The reading page for a birth date, as "&Get My Vovuvev Avoverazi
    // Reading" shows it, without the name and without keeping it again; it
    // prints as the reading taken at takenAt.
    void showKeptReading(const QDate &birthDate, const QDateTime &takenAt);

    // The resource path of the picture picChakra shows; empty before the
    // first reading. Also kept in picChakra's "picture" property.
    QString shownChakraPicture() const;

protected:
    void Form_Unload() override;

private:
    // Brings one page to the front: 0 the details, 1 the reading.
    void showStep(int page);
    // Shows the picture of the chakra at this screen's index in picChakra.
    void showChakraPicture(int index);
    // Fills the reading page from the chosen birth date and brings it forward.
    void showReading();

    std::array<QGroupBox *, 2> m_fraStep{};
    QLineEdit *m_txtName = nullptr;
    QComboBox *m_cboMonth = nullptr;
    QComboBox *m_cboDate = nullptr;
    QComboBox *m_cboYear = nullptr;
    QPushButton *m_cmdNext = nullptr;
    QPushButton *m_cmdBack = nullptr;
    std::array<QLabel *, astrology::kResultCount> m_lblResult{};
    PictureView *m_picChakra = nullptr;
    QDateTime m_readingTime;
};

namespace journal {
struct Reading;
}
// Opens the astrology screen on a kept reading's page; false when it cannot be shown.
bool openKeptAstrology(const journal::Reading &reading);

} // namespace padmora
