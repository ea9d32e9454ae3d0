#pragma once
// The renewal list: the member's loans still out, each with how often it was
// renewed, the new due date a renewal would give and the fine so far, or why it
// cannot be renewed. Sisip puts one "PERPANJANG" row per ticked loan in the desk's
// cart. Opened by PERPANJANG, which the desk shows once a rule allows renewals.
#include "circulation/open_loans_list.h"

namespace zelkor {

class RenewList : public OpenLoansList {
    Q_OBJECT
  public:
    enum Column {
        ColNo,
        ColIdTrans,
        ColNamaItem,
        ColTglKembali,
        ColDiperpanjang,
        ColHari,
        ColTglBaru,
        ColDenda,
        ColKeterangan
    };

    explicit RenewList(DeskForm& desk);

    GridData& loans() { return rows(); }

  protected:
    void load() override;
    bool addToCart(int row, QString& refusal) override;
};

}  // namespace zelkor
