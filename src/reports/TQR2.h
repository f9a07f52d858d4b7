#pragma once
#include "platform/Report.h"

#include <memory>

namespace vlm { class Query; }

// The printed list of driving licences: name, category and expiry of each row of the
// licence list's statement, with a line for handwritten notes.
class TQR2 : public vlm::Report {
    Q_OBJECT
public:
    explicit TQR2(QObject *parent = nullptr);
    ~TQR2() override;

    vlm::Query *Query1;  // given the licence list's statement and parameters

private:
    std::unique_ptr<vlm::Query> m_query;
};
