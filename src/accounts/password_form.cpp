#include "accounts/password_form.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "accounts/login.h"
#include "accounts/operators.h"
#include "app/app_context.h"
#include "ui/scaling.h"

namespace zelkor {

PasswordForm::PasswordForm(AppContext& ctx, QWidget* parent)
    : QDialog(parent), ctx_(ctx), user_(ctx.currentOperator) {
    setObjectName(QStringLiteral("FORM_ZELKOR_PASSWORD_CLASS"));
    setWindowTitle(QStringLiteral("Ubah Password"));
    setModal(true);
    createControls();
    password_->setFocus();
}

void PasswordForm::askAtFirstLogin(const QString& user) {
    user_ = user;
    hint_->setText(
        QStringLiteral("Password %1 masih password awal, silahkan ganti dengan password baru..").arg(user));
    hint_->show();
}

void PasswordForm::createControls() {
    hint_ = new QLabel(this);
    hint_->setTextFormat(Qt::PlainText);
    hint_->hide();
    auto* label = new QLabel(QStringLiteral("&Password Baru"), this);
    password_ = new QLineEdit(this);
    password_->setEchoMode(QLineEdit::Password);
    password_->setAccessibleName(QStringLiteral("Password Baru"));
    password_->setMinimumWidth(Scaled(this, 160));
    label->setBuddy(password_);
    auto* repeatLabel = new QLabel(QStringLiteral("&Ulangi Password Baru"), this);
    repeat_ = new QLineEdit(this);
    repeat_->setEchoMode(QLineEdit::Password);
    repeat_->setAccessibleName(QStringLiteral("Ulangi Password Baru"));
    repeatLabel->setBuddy(repeat_);
    save_ = new QPushButton(QStringLiteral("&Simpan"), this);
    save_->setDefault(true);
    cancel_ = new QPushButton(QStringLiteral("&Batal"), this);
    cancel_->setAutoDefault(false);
    connect(save_, &QPushButton::clicked, this, &PasswordForm::save);
    connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);

    auto* fields = new QGridLayout;
    fields->addWidget(label, 0, 0);
    fields->addWidget(password_, 0, 1);
    fields->addWidget(repeatLabel, 1, 0);
    fields->addWidget(repeat_, 1, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(save_);
    buttons->addWidget(cancel_);
    auto* all = new QVBoxLayout(this);
    all->setContentsMargins(Scaled(this, 12), Scaled(this, 12), Scaled(this, 12), Scaled(this, 12));
    all->addWidget(hint_);
    all->addLayout(fields);
    all->addLayout(buttons);
    all->setSizeConstraint(QLayout::SetFixedSize);
}

void PasswordForm::refuse(const QString& text) {
    ctx_.messages().info(text, QStringLiteral("Info"));
    password_->clear();
    repeat_->clear();
    password_->setFocus();
}

void PasswordForm::save() {
    const QString password = password_->text();
    if (password.isEmpty())
        return refuse(QStringLiteral("Gagal menyimpan, kolom Password Baru belum terisi.."));
    if (repeat_->text() != password)
        return refuse(QStringLiteral("Gagal menyimpan, Password Baru dan Ulangi Password Baru tidak sama.."));
    // Everyone knows the initial password: keeping it would leave the account open.
    if (password == QLatin1String(kInitialPassword))
        return refuse(
            QStringLiteral("Gagal menyimpan, password awal tidak dapat dipakai sebagai password.."));
    // A failure has already been shown; the form stays for another try.
    if (!ChangePassword(ctx_, user_, password)) return;
    ctx_.messages().info(QStringLiteral("Password berhasil diubah.."), QStringLiteral("Info"));
    accept();
}

}  // namespace zelkor
