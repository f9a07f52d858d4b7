#pragma once
#include "platform/Report.h"

#include <memory>

namespace vlm { class GridTable; }

// The printed checklist of a vehicle: one framed line per item (quantity, article,
// position, expiry) with an empty box that the crew ticks by hand. The window that
// prints fills the sheet's own table; the sheet lists it by position, then by article.
class TQR5 : public vlm::Report {
    Q_OBJECT
public:
    explicit TQR5(QObject *parent = nullptr);
    ~TQR5() override;

    // ARTICOLO (40), DESCRIZIONE (60), SCADENZA (date), QUANTITA (text, 3), POSIZIONE (25).
    vlm::GridTable *Tb1;
    vlm::ReportItem *QRLabel1;  // the title

    // Orders the rows by position and, within a position, by article name.
    void ordina();

private:
    std::unique_ptr<vlm::GridTable> m_table;
};
