#include "accounts/password_form.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "accounts/login.h"
#include "ui/scaling.h"

namespace zelkor {

PasswordForm::PasswordForm(AppContext& ctx, QWidget* parent) : QDialog(parent), ctx_(ctx) {
    setObjectName(QStringLiteral("FORM_ZELKOR_PASSWORD_CLASS"));
    setWindowTitle(QStringLiteral("Ubah Password"));
    setModal(true);
    createControls();
    password_->setFocus();
}

void PasswordForm::createControls() {
    auto* label = new QLabel(QStringLiteral("Password Baru"), this);
    password_ = new QLineEdit(this);
    password_->setEchoMode(QLineEdit::Password);
    password_->setAccessibleName(label->text());
    password_->setMinimumWidth(Scaled(this, 160));
    label->setBuddy(password_);
    save_ = new QPushButton(QStringLiteral("Simpan"), this);
    save_->setDefault(true);
    connect(save_, &QPushButton::clicked, this, &PasswordForm::save);

    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(Scaled(this, 12), Scaled(this, 12), Scaled(this, 12), Scaled(this, 12));
    row->addWidget(label);
    row->addWidget(password_, 1);
    row->addWidget(save_);
    row->setSizeConstraint(QLayout::SetFixedSize);
}

void PasswordForm::save() {
    // An empty field writes nothing; the form closes either way, without asking.
    ChangePassword(ctx_, password_->text());
    accept();
}

}  // namespace zelkor
