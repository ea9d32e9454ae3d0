#pragma once
// The password form: an operator types a new password twice and saves it.
#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

namespace zelkor {

class AppContext;

class PasswordForm : public QDialog {
    Q_OBJECT
  public:
    // Changes the current operator's password.
    explicit PasswordForm(AppContext& ctx, QWidget* parent = nullptr);

    // The form the login opens for `user`, who typed the initial password: it says
    // why it is asking, and stays open until a new password is saved or it is cancelled.
    void askAtFirstLogin(const QString& user);

    QLineEdit* passwordField() const { return password_; }
    QLineEdit* repeatField() const { return repeat_; }
    QPushButton* saveButton() const { return save_; }
    QPushButton* cancelButton() const { return cancel_; }

  private:
    void createControls();
    void save();
    void refuse(const QString& text);

    AppContext& ctx_;
    QString user_;
    QLabel* hint_ = nullptr;
    QLineEdit* password_ = nullptr;
    QLineEdit* repeat_ = nullptr;
    QPushButton* save_ = nullptr;
    QPushButton* cancel_ = nullptr;
};

}  // namespace zelkor
