#pragma once
// "Form Tarif Kunjungan": the price of one visit per member category. The prices are
// ItemPerpus rows with Id "KUNJUNG", NamaItem "BERKUNJUNG", Pengarang = the category
// and HargaRental = the price; the desk's BERKUNJUNG reads them.
#include <QDialog>

#include "ui/grid_data.h"

class QComboBox;
class QLineEdit;
class QPushButton;

namespace zelkor {

class AppContext;
class GridView;

class TariffForm : public QDialog {
    Q_OBJECT
  public:
    enum Column { ColNo, ColKategori, ColTarif };

    explicit TariffForm(AppContext& ctx, QWidget* parent = nullptr);

    const GridData& grid() const { return grid_; }

  public slots:
    void showRow();  // left-button release on the grid
    void save();     // Simpan
    void remove();   // Hapus

  private:
    void createControls();
    void createColumns();
    void load();

    AppContext& ctx_;
    GridData grid_;
    QComboBox* category_ = nullptr;
    QLineEdit* amount_ = nullptr;
    GridView* view_ = nullptr;
    QPushButton* deleteButton_ = nullptr;
    QPushButton* saveButton_ = nullptr;
};

}  // namespace zelkor
