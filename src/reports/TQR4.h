#pragma once
#include "platform/Report.h"

#include <memory>

namespace vlm { class Query; }

// The appointment sheet of a visit: the specialist and the day as its title, then one
// block per slot (time, name and phone, and the note below them), free slots included.
class TQR4 : public vlm::Report {
    Q_OBJECT
public:
    explicit TQR4(QObject *parent = nullptr);
    ~TQR4() override;

    vlm::Query *Query1;          // select * from Appuntamenti where IDVISITA=:IDV
    vlm::ReportItem *QRLabel1;   // the specialist
    vlm::ReportItem *QRLabel2;   // "Appuntamenti del " + the day

private:
    std::unique_ptr<vlm::Query> m_query;
};
