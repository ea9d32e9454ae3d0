#pragma once
// The return list: the member's movements still out, with their due date, days late
// and fine. The operator ticks the items brought back; Sisip puts one "RETURN" row
// per ticked movement in the desk's cart. Opened by PENGEMBALIAN.
#include "circulation/open_loans_list.h"

namespace zelkor {

class ReturnList : public OpenLoansList {
    Q_OBJECT
  public:
    // Column 0 is "No.", then the columns of OutstandingStatement (picker_queries.h).
    enum Column { ColNo, ColIdTrans, ColNamaItem, ColTglKembali, ColTerlambat, ColDenda };

    explicit ReturnList(DeskForm& desk);

    GridData& movements() { return rows(); }

  protected:
    void load() override;
    bool addToCart(int row, QString& refusal) override;
};

}  // namespace zelkor
