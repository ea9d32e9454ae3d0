#pragma once
// "Identitas Perpustakaan": the library's name, address and telephone, which head
// the receipts, vouchers and reports, and its logo.
#include <QDialog>
#include <QImage>

class QLabel;
class QLineEdit;
class QPushButton;

namespace zelkor {

class AppContext;

class IdentityForm : public QDialog {
    Q_OBJECT
  public:
    explicit IdentityForm(AppContext& ctx, QWidget* parent = nullptr);

  private:
    void createControls();
    void chooseLogo();  // Ganti Logo
    void save();        // Lanjut

    AppContext& ctx_;
    QImage newLogo_;  // chosen in this opening; installed by Lanjut
    QLabel* logo_ = nullptr;
    QLineEdit* name_ = nullptr;
    QLineEdit* address_ = nullptr;
    QLineEdit* phone_ = nullptr;
};

}  // namespace zelkor
