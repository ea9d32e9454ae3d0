#pragma once
// The renewal list: the member's loans still out, each with how often it was
// renewed, the new due date a renewal would give and the fine so far, or why it
// cannot be renewed. Sisip puts one "PERPANJANG" row per ticked loan in the desk's
// cart. Opened by PERPANJANG, which the desk shows once a rule allows renewals.
#include <QDialog>

#include "ui/grid_data.h"

class QPushButton;

namespace zelkor {

class AppContext;
class DeskForm;
class GridView;

class RenewList : public QDialog {
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

    GridData& loans() { return loans_; }

  public slots:
    void insert();  // Sisip

  private:
    void createControls();
    void load();

    DeskForm& desk_;
    AppContext& ctx_;
    GridData loans_;
    GridView* view_ = nullptr;
    QPushButton* cancelButton_ = nullptr;
    QPushButton* insertButton_ = nullptr;
};

}  // namespace zelkor
