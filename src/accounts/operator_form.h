#pragma once
// "User Admin": adds an operator, with an optional photo, or shows one.
#include <QDialog>
#include <QImage>

class QLabel;
class QLineEdit;

namespace zelkor {

class AppContext;

class OperatorForm : public QDialog {
    Q_OBJECT
  public:
    enum class Mode { Add, Show };
    // In show mode the form shows `user` and the user's photo.
    OperatorForm(AppContext& ctx, Mode mode, const QString& user, QWidget* parent = nullptr);

  signals:
    void operatorAdded(const QString& user);

  private:
    void createControls();
    void choosePhoto();  // Ganti Foto
    void save();         // Simpan

    AppContext& ctx_;
    QImage newPhoto_;  // chosen in this opening: only this operator gets it
    QLabel* photo_ = nullptr;
    QLineEdit* name_ = nullptr;
};

}  // namespace zelkor
