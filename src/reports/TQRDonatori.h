#pragma once
#include "platform/Report.h"

#include <memory>

namespace vlm { class GridTable; }

// The printed donor list: name, blood group and date of the last donation, one line per
// donor in the order the window that prints fills the sheet's own table.
class TQRDonatori : public vlm::Report {
    Q_OBJECT
public:
    explicit TQRDonatori(QObject *parent = nullptr);
    ~TQRDonatori() override;

    // NOME (40), CDF (16, the blood group), LASTD (date of the last donation).
    vlm::GridTable *Tb1;
    vlm::ReportItem *QRLabel1;  // the title

private:
    std::unique_ptr<vlm::GridTable> m_table;
};
