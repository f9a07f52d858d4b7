#pragma once
#include "platform/Report.h"
#include <memory>

namespace vlm { class Query; }

// The list of the vehicles' inspection due dates, soonest first, with room for
// handwritten notes. Reads every vehicle on the shared connection.
class TQR3 : public vlm::Report {
    Q_OBJECT
public:
    explicit TQR3(QObject *parent = nullptr);
    ~TQR3() override;

    vlm::Query *Query1;  // select * from mezzi order by revisione

private:
    std::unique_ptr<vlm::Query> m_query;
};
