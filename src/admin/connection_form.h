#pragma once
// "Koneksi Database": switches the program to another library database and
// records it in conn.txt for the next start.
#include <QDialog>

class QLineEdit;

namespace zelkor {

class AppContext;

class ConnectionForm : public QDialog {
    Q_OBJECT
  public:
    explicit ConnectionForm(AppContext& ctx, QWidget* parent = nullptr);

  private:
    void createControls();
    void browse();  // Cari Database
    void save();    // Simpan dan Keluar

    AppContext& ctx_;
    QLineEdit* source_ = nullptr;
};

}  // namespace zelkor
