#pragma once
// The login form, shown modally while the main window is being created. It
// admits one operator for the whole run.
#include <QDialog>

class QLineEdit;
class QPushButton;

namespace zelkor {

class AppContext;

class LoginForm : public QDialog {
    Q_OBJECT
  public:
    explicit LoginForm(AppContext& ctx, QWidget* parent = nullptr);

    QLineEdit* userField() const { return user_; }
    QLineEdit* passwordField() const { return password_; }
    QPushButton* logInButton() const { return logIn_; }
    QPushButton* cancelButton() const { return cancel_; }

  signals:
    // The operator admitted, before the welcome box; the main window shows it in
    // its status bar.
    void loggedIn(const QString& user);

  private:
    void createControls();
    void logIn();
    bool replaceInitialPassword(const QString& user);

    AppContext& ctx_;
    QLineEdit* user_ = nullptr;
    QLineEdit* password_ = nullptr;
    QPushButton* logIn_ = nullptr;
    QPushButton* cancel_ = nullptr;
};

}  // namespace zelkor
