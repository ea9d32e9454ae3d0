#include "accounts/operator_form.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "accounts/operators.h"
#include "app/app_context.h"
#include "app/pictures.h"
#include "ui/scaling.h"

namespace zelkor {

namespace {
const QString kEntryCaption = QStringLiteral("Entry Data..");
constexpr int kPhotoWidth = 120, kPhotoHeight = 140;
}  // namespace

OperatorForm::OperatorForm(AppContext& ctx, Mode mode, const QString& user, QWidget* parent)
    : QDialog(parent), ctx_(ctx) {
    setObjectName(QStringLiteral("FORM_ZELKOR_FORMADMIN_CLASS"));
    setWindowTitle(QStringLiteral("User Admin"));
    setModal(true);
    createControls();
    if (mode == Mode::Show) {
        // A missing photo leaves the frame empty.
        ShowPicture(photo_, QImage(ExistingOperatorPhoto(ctx_, user)), kPhotoWidth, kPhotoHeight);
        name_->setText(user);
    }
    name_->setFocus();
}

void OperatorForm::createControls() {
    auto* heading = new QLabel(QStringLiteral("User Admin"), this);
    QFont large = heading->font();
    large.setBold(true);
    large.setPointSize(large.pointSize() + 6);
    heading->setFont(large);
    auto* hint = new QLabel(QStringLiteral("Mengolah data user administrator.."), this);
    auto* picture = new QLabel(this);
    const int side = Scaled(this, 48);
    picture->setPixmap(QPixmap(QStringLiteral(":/IMAGE_LOGINPEOPLE"))
                           .scaled(side, side, Qt::KeepAspectRatio, Qt::SmoothTransformation));

    photo_ = new QLabel(this);
    photo_->setObjectName(QStringLiteral("photo"));
    photo_->setAccessibleName(QStringLiteral("Foto"));
    photo_->setFrameShape(QFrame::Box);
    photo_->setAlignment(Qt::AlignCenter);
    photo_->setFixedSize(Scaled(this, kPhotoWidth), Scaled(this, kPhotoHeight));
    auto* choosePhoto = new QPushButton(QStringLiteral("&Ganti Foto"), this);
    choosePhoto->setObjectName(QStringLiteral("choosePhoto"));
    choosePhoto->setAutoDefault(false);

    auto* nameLabel = new QLabel(QStringLiteral("&Nama User"), this);
    name_ = new QLineEdit(this);
    name_->setObjectName(QStringLiteral("name"));
    name_->setAccessibleName(QStringLiteral("Nama User"));
    name_->setMinimumWidth(Scaled(this, 180));
    nameLabel->setBuddy(name_);
    auto* save = new QPushButton(QStringLiteral("&Simpan"), this);
    save->setObjectName(QStringLiteral("save"));
    save->setDefault(true);
    connect(choosePhoto, &QPushButton::clicked, this, &OperatorForm::choosePhoto);
    connect(save, &QPushButton::clicked, this, &OperatorForm::save);

    auto* head = new QHBoxLayout;
    auto* texts = new QVBoxLayout;
    texts->addWidget(heading);
    texts->addWidget(hint);
    head->addLayout(texts, 1);
    head->addWidget(picture);
    auto* photoColumn = new QVBoxLayout;
    photoColumn->addWidget(photo_);
    photoColumn->addWidget(choosePhoto);
    auto* fields = new QGridLayout;
    fields->addWidget(nameLabel, 0, 0);
    fields->addWidget(name_, 0, 1);
    // The new operator logs in with it once and is then asked for a password of his own.
    auto* initialPassword = new QLabel(
        QStringLiteral("Password awal user baru: %1 (diganti saat login pertama)").arg(kInitialPassword),
        this);
    initialPassword->setObjectName(QStringLiteral("initialPassword"));
    fields->addWidget(initialPassword, 1, 0, 1, 2);
    fields->addWidget(save, 2, 1, Qt::AlignRight);
    fields->setRowStretch(3, 1);
    auto* body = new QHBoxLayout;
    body->addLayout(photoColumn);
    body->addLayout(fields, 1);
    auto* all = new QVBoxLayout(this);
    all->setContentsMargins(Scaled(this, 12), Scaled(this, 12), Scaled(this, 12), Scaled(this, 12));
    all->addLayout(head);
    all->addLayout(body);
    all->setSizeConstraint(QLayout::SetFixedSize);
}

void OperatorForm::choosePhoto() {
    const QImage image = ChooseBitmap(ctx_);
    if (image.isNull()) return;
    newPhoto_ = image;
    ShowPicture(photo_, newPhoto_, kPhotoWidth, kPhotoHeight);
    name_->setFocus();  // the name is what is left to type
}

void OperatorForm::save() {
    const QString name = name_->text();
    switch (AddOperator(ctx_, name)) {
        case AddOperatorResult::Exists:
            ctx_.messages().info(QStringLiteral("Gagal menyimpan, Id/Kode Sudah Tersedia.."), kEntryCaption);
            return;
        case AddOperatorResult::EmptyName:
            ctx_.messages().info(QStringLiteral("Gagal menyimpan, kolom Kode atau Nama belum terisi.."),
                                 kEntryCaption);
            return;
        case AddOperatorResult::BadName:
            ctx_.messages().info(
                QStringLiteral("Gagal menyimpan, Nama User tidak boleh memuat tanda / \\ : * ? \" < > |.."),
                kEntryCaption);
            return;
        case AddOperatorResult::SpacesAround:
            ctx_.messages().info(
                QStringLiteral("Gagal menyimpan, Nama User tidak boleh diawali atau diakhiri spasi.."),
                kEntryCaption);
            return;
        case AddOperatorResult::DeviceName:
            ctx_.messages().info(
                QStringLiteral("Gagal menyimpan, Nama User tidak boleh berupa nama perangkat "
                               "(CON, PRN, AUX, NUL, COM1-COM9, LPT1-LPT9).."),
                kEntryCaption);
            return;
        case AddOperatorResult::Failed:
            return;
        case AddOperatorResult::Added:
            break;
    }
    QString error;
    const bool photoSaved =
        newPhoto_.isNull() || SaveBitmap(newPhoto_, OperatorPhotoPath(ctx_, name), &error);
    ctx_.messages().info(QStringLiteral("Data berhasil disimpan.."), kEntryCaption);
    if (!photoSaved)
        ctx_.messages().show(QStringLiteral("Foto %1 tidak dapat disimpan: %2..").arg(name, error),
                             QStringLiteral("Info"), MsgButtons::Ok, MsgIcon::None);
    emit operatorAdded(name);
    name_->clear();
    accept();
}

}  // namespace zelkor
