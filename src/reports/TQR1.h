#pragma once
#include "platform/Report.h"

#include <memory>

namespace vlm { class Query; }

// The service sheet: the service's data in its upper part, and for sanitary services a
// lower part that the crew fills in by hand. Reads one row of servizic on the shared
// connection, with the tax code as a Code 39 barcode.
class TQR1 : public vlm::Report {
    Q_OBJECT
public:
    explicit TQR1(QObject *parent = nullptr);
    ~TQR1() override;

    vlm::Query *Query1;          // select ... from servizic where ID=:IDS
    vlm::Band *DetailBand1;      // upper part
    vlm::Band *ChildBand1;       // lower part, filled in by hand
    vlm::ReportItem *QRLabel30;  // walking mark after the weight
    vlm::ReportItem *QRLabel31;  // equipment to bring
    vlm::ReportItem *QRShape1;   // the notes box
    vlm::ReportItem *QRDBText20; // the notes

private:
    std::unique_ptr<vlm::Query> m_query;
};
