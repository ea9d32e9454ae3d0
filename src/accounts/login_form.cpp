#include "accounts/login_form.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "accounts/login.h"
#include "accounts/operators.h"
#include "accounts/password_form.h"
#include "app/app_context.h"
#include "ui/scaling.h"

namespace zelkor {

LoginForm::LoginForm(AppContext& ctx, QWidget* parent) : QDialog(parent), ctx_(ctx) {
    setObjectName(QStringLiteral("FORM_ZELKOR_FORMLOGIN_CLASS"));
    setWindowTitle(QStringLiteral("Login"));
    setModal(true);
    createControls();
    user_->setFocus();
}

void LoginForm::createControls() {
    auto* heading = new QLabel(QStringLiteral("Login pengguna.."), this);
    QFont bold = heading->font();
    bold.setBold(true);
    bold.setPointSize(bold.pointSize() + 2);
    heading->setFont(bold);
    auto* hint = new QLabel(QStringLiteral("Silahkan masukan username dan password anda!"), this);

    auto* picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("loginPicture"));
    const int side = Scaled(this, 64);
    picture->setPixmap(QPixmap(QStringLiteral(":/IMAGE_LOGINPEOPLE"))
                           .scaled(side, side, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    picture->setAlignment(Qt::AlignTop | Qt::AlignHCenter);

    auto* userLabel = new QLabel(QStringLiteral("Username"), this);
    user_ = new QLineEdit(this);
    user_->setToolTip(QStringLiteral("Isikan nama pengguna disini"));
    user_->setAccessibleName(userLabel->text());
    userLabel->setBuddy(user_);
    auto* passwordLabel = new QLabel(QStringLiteral("Password"), this);
    password_ = new QLineEdit(this);
    password_->setEchoMode(QLineEdit::Password);
    password_->setToolTip(QStringLiteral("Password Pengguna"));
    password_->setAccessibleName(passwordLabel->text());
    passwordLabel->setBuddy(password_);
    user_->setMinimumWidth(Scaled(this, 180));

    logIn_ = new QPushButton(QStringLiteral("Log in"), this);
    logIn_->setDefault(true);
    cancel_ = new QPushButton(QStringLiteral("Cancel"), this);
    connect(logIn_, &QPushButton::clicked, this, &LoginForm::logIn);
    // Cancel, Escape and the window frame all reject; the main window then ends the run.
    connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);

    auto* fields = new QGridLayout;
    fields->addWidget(userLabel, 0, 0);
    fields->addWidget(user_, 0, 1);
    fields->addWidget(passwordLabel, 1, 0);
    fields->addWidget(password_, 1, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(logIn_);
    buttons->addWidget(cancel_);

    auto* right = new QVBoxLayout;
    right->addWidget(heading);
    right->addWidget(hint);
    right->addSpacing(Scaled(this, 8));
    right->addLayout(fields);
    right->addSpacing(Scaled(this, 8));
    right->addLayout(buttons);
    auto* all = new QHBoxLayout(this);
    all->setContentsMargins(Scaled(this, 14), Scaled(this, 14), Scaled(this, 14), Scaled(this, 12));
    all->setSpacing(Scaled(this, 14));
    all->addWidget(picture);
    all->addLayout(right, 1);
    all->setSizeConstraint(QLayout::SetFixedSize);  // a dialog-like window that does not resize
}

void LoginForm::logIn() {
    const QString user = user_->text();
    const QString caption = QStringLiteral("Login User..");
    // Too many wrong passwords for the name: the try is not checked at all.
    if (const int wait = LoginWaitSeconds(ctx_, user); wait > 0) {
        ctx_.messages().show(
            QStringLiteral("Login untuk user %1 ditunda karena terlalu sering gagal, coba lagi "
                           "setelah %2 detik..")
                .arg(user, QString::number(wait)),
            caption, MsgButtons::Ok, MsgIcon::Information);
        return;
    }
    if (!CheckLogin(ctx_, user, password_->text())) {
        QString text = QStringLiteral("Gagal Login, coba isi Username dan Password dengan benar..");
        if (const int wait = LoginWaitSeconds(ctx_, user); wait > 0)
            text += QStringLiteral(" Terlalu sering gagal, login berikutnya dapat dicoba setelah %1 detik..")
                        .arg(wait);
        ctx_.messages().show(text, caption, MsgButtons::Ok, MsgIcon::Information);
        // Most often the password was mistyped: the next try types over it.
        password_->setFocus();
        password_->selectAll();
        return;
    }
    // The initial password is known to everyone: nobody works under it. Giving up the
    // change gives up the login; the form stays for another try or its Cancel.
    if (password_->text() == QLatin1String(kInitialPassword) && !replaceInitialPassword(user)) {
        ctx_.messages().show(QStringLiteral("Password awal belum diganti, login dibatalkan.."), caption,
                             MsgButtons::Ok, MsgIcon::Information);
        password_->clear();
        password_->setFocus();
        return;
    }
    emit loggedIn(user);
    ctx_.messages().show(QStringLiteral("Selamat datang di Zelkor, ") + user +
                             QStringLiteral(" diperkenankan menjalankan aplikasi ini.."),
                         caption, MsgButtons::Ok, MsgIcon::Information);
    accept();
}

bool LoginForm::replaceInitialPassword(const QString& user) {
    PasswordForm form(ctx_, this);
    form.askAtFirstLogin(user);
    return form.exec() == QDialog::Accepted;
}

}  // namespace zelkor
