#include "admin/identity_form.h"

#include <QDir>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <QValidator>

#include "app/app_context.h"
#include "app/config_files.h"
#include "app/pictures.h"
#include "ui/scaling.h"

namespace zelkor {

namespace {

const QString kInfo = QStringLiteral("Info");

// Every letter typed into the name becomes a capital.
class CapitalsValidator : public QValidator {
  public:
    using QValidator::QValidator;
    State validate(QString& input, int&) const override {
        input = input.toUpper();
        return Acceptable;
    }
};

QPushButton* makeButton(QWidget* form, const QString& text, const char* name) {
    auto* b = new QPushButton(text, form);
    b->setObjectName(QLatin1String(name));
    b->setAutoDefault(false);
    return b;
}

}  // namespace

IdentityForm::IdentityForm(AppContext& ctx, QWidget* parent) : QDialog(parent), ctx_(ctx) {
    setObjectName(QStringLiteral("FORM_ZELKOR_FORM22_CLASS"));
    setWindowTitle(QStringLiteral("Identitas Perpustakaan"));
    setModal(true);
    setFont(FontFromText(QStringLiteral("Arial Unicode MS,9,0")));
    createControls();
    ShowPicture(logo_, QImage(LogoPath(ctx_)), 240, 160);
    name_->setText(ctx_.libraryName);
    address_->setText(ctx_.libraryAddress);
    phone_->setText(ctx_.libraryPhone);
    name_->setFocus();
}

void IdentityForm::createControls() {
    logo_ = new QLabel(this);
    logo_->setObjectName(QStringLiteral("logo"));
    logo_->setAccessibleName(QStringLiteral("Logo"));
    logo_->setFrameShape(QFrame::Box);
    logo_->setAlignment(Qt::AlignCenter);
    logo_->setMinimumSize(Scaled(this, 96), Scaled(this, 96));
    auto* chooseLogo = makeButton(this, QStringLiteral("&Ganti Logo"), "chooseLogo");
    connect(chooseLogo, &QPushButton::clicked, this, &IdentityForm::chooseLogo);

    auto* fields = new QGridLayout;
    auto addField = [&](const QString& caption, const char* name) {
        auto* label = new QLabel(caption, this);
        auto* field = new QLineEdit(this);
        field->setObjectName(QLatin1String(name));
        field->setAccessibleName(QString(caption).remove('&'));
        field->setMinimumWidth(Scaled(this, 260));
        label->setBuddy(field);
        const int row = fields->rowCount();
        fields->addWidget(label, row, 0);
        fields->addWidget(field, row, 1);
        return field;
    };
    name_ = addField(QStringLiteral("&Nama Perpustakaan"), "name");
    name_->setValidator(new CapitalsValidator(name_));
    address_ = addField(QStringLiteral("&Alamat Perpustakaan"), "address");
    phone_ = addField(QStringLiteral("&Kontak Telp"), "phone");

    auto* cancel = makeButton(this, QStringLiteral("&Batal"), "cancel");
    auto* save = makeButton(this, QStringLiteral("&Lanjut"), "save");
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(save, &QPushButton::clicked, this, &IdentityForm::save);

    auto* logoColumn = new QVBoxLayout;
    logoColumn->addWidget(logo_, 0, Qt::AlignHCenter);
    logoColumn->addWidget(chooseLogo, 0, Qt::AlignHCenter);
    logoColumn->addStretch(1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cancel);
    buttons->addWidget(save);
    auto* right = new QVBoxLayout;
    right->addLayout(fields);
    right->addStretch(1);
    right->addLayout(buttons);
    auto* all = new QHBoxLayout(this);
    all->setContentsMargins(Scaled(this, 12), Scaled(this, 12), Scaled(this, 12), Scaled(this, 12));
    all->setSpacing(Scaled(this, 12));
    all->addLayout(logoColumn);
    all->addLayout(right, 1);
}

void IdentityForm::chooseLogo() {
    const QImage image = ChooseBitmap(ctx_);
    if (image.isNull()) return;
    newLogo_ = image;
    ShowPicture(logo_, newLogo_, 240, 160);
}

void IdentityForm::save() {
    Identity id{name_->text().toUpper(), address_->text(), phone_->text(), ctx_.libraryEmail,
                ctx_.identityField5};
    // A ";" would split a field of perpus.txt in two at the next start.
    if (id.name.contains(';') || id.address.contains(';') || id.phone.contains(';')) {
        ctx_.messages().show(
            QStringLiteral("Gagal menyimpan, tanda ; tidak dapat dipakai dalam identitas perpustakaan.."),
            kInfo, MsgButtons::Ok, MsgIcon::None);
        return;
    }
    // A pasted line break would split it in two lines, of which the next start reads the last.
    if (HasLineBreak(id.name) || HasLineBreak(id.address) || HasLineBreak(id.phone)) {
        ctx_.messages().show(QStringLiteral("Gagal menyimpan, tanda pindah baris (Enter) tidak dapat dipakai "
                                            "dalam identitas perpustakaan.."),
                             kInfo, MsgButtons::Ok, MsgIcon::None);
        return;
    }
    const QDir dir(ctx_.configFolder());
    QString error;
    auto written = [&](const QString& file, const QString& line) {
        if (WriteLineFile(dir.filePath(file), line, &error)) return true;
        ctx_.messages().show(QStringLiteral("File %1 tidak dapat disimpan: %2..").arg(file, error), kInfo,
                             MsgButtons::Ok, MsgIcon::None);
        return false;
    };
    if (!newLogo_.isNull() && !SaveBitmap(newLogo_, LogoPath(ctx_), &error)) {
        ctx_.messages().show(QStringLiteral("Logo tidak dapat disimpan: %1..").arg(error), kInfo,
                             MsgButtons::Ok, MsgIcon::None);
        return;
    }
    if (!written(QStringLiteral("perpus.txt"), IdentityLine(id))) return;
    if (!written(QStringLiteral("sekolah.txt"), SchoolLine(id))) return;
    ApplyIdentity(ctx_, id);
    ctx_.messages().show(QStringLiteral("data sekolah berhasil dikoneksikan.."), kInfo, MsgButtons::Ok,
                         MsgIcon::None);
    accept();
}

}  // namespace zelkor
