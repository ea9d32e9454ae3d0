#pragma once
// The password form: the current operator types a new password and saves it.
#include <QDialog>

class QLineEdit;
class QPushButton;

namespace zelkor {

class AppContext;

class PasswordForm : public QDialog {
    Q_OBJECT
  public:
    explicit PasswordForm(AppContext& ctx, QWidget* parent = nullptr);

    QLineEdit* passwordField() const { return password_; }
    QPushButton* saveButton() const { return save_; }

  private:
    void createControls();
    void save();

    AppContext& ctx_;
    QLineEdit* password_ = nullptr;
    QPushButton* save_ = nullptr;
};

}  // namespace zelkor
