#pragma once
// "Hapus Denda": the administrator waives a member's open debt, whole or in part,
// with a reason. Nothing came in, so the journal is not touched; the waiver is kept
// with the operator and the time.
#include <QDialog>

#include "ui/grid_data.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace zelkor {

class AppContext;
class GridView;

class WaiverForm : public QDialog {
    Q_OBJECT
  public:
    enum Column { ColNo, ColId, ColTanggal, ColJumlah, ColSisa, ColumnCount };

    explicit WaiverForm(AppContext& ctx, QWidget* parent = nullptr);
    const GridData& grid() const { return grid_; }

  public slots:
    void memberChanged();  // typed or scanned member number
    void rowChosen(int row);
    void save();  // Simpan

  private:
    void createControls();
    void load();

    AppContext& ctx_;
    GridData grid_;
    QLineEdit* member_ = nullptr;
    QLabel* memberName_ = nullptr;
    GridView* view_ = nullptr;
    QLineEdit* amount_ = nullptr;
    QLineEdit* reason_ = nullptr;
    QPushButton* saveButton_ = nullptr;
};

}  // namespace zelkor
