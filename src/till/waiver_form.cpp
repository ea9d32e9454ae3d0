#include "till/waiver_form.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/app_context.h"
#include "core/money.h"
#include "db/row_sinks.h"
#include "till/amount_dialog.h"
#include "till/debts.h"
#include "ui/grid_view.h"

namespace zelkor {

namespace {

const QString kCaption = QStringLiteral("Hapus Denda");

QLabel* Buddy(const QString& text, QWidget* field, QWidget* parent) {
    auto* l = new QLabel(text, parent);
    l->setBuddy(field);
    return l;
}

}  // namespace

WaiverForm::WaiverForm(AppContext& ctx, QWidget* parent) : QDialog(parent), ctx_(ctx) {
    setObjectName(QStringLiteral("FORM_ZELKOR_HAPUSDENDA_CLASS"));
    setWindowTitle(kCaption);
    setModal(true);
    grid_.setColumns({{QStringLiteral("No."), 40, Align::Left},
                      {QStringLiteral("Id"), 130, Align::Left},
                      {QStringLiteral("Tanggal"), 90, Align::Center},
                      {QStringLiteral("Jumlah"), 90, Align::Right},
                      {QStringLiteral("Sisa"), 90, Align::Right}});
    createControls();
    resize(520, 400);
}

void WaiverForm::createControls() {
    auto* top = new QFormLayout;
    member_ = new QLineEdit(this);
    member_->setObjectName(QStringLiteral("member"));
    member_->setAccessibleName(QStringLiteral("Id Member"));
    top->addRow(Buddy(QStringLiteral("Id &Member"), member_, this), member_);
    memberName_ = new QLabel(this);
    memberName_->setObjectName(QStringLiteral("memberName"));
    memberName_->setAccessibleName(QStringLiteral("Nama"));
    top->addRow(QStringLiteral("Nama"), memberName_);

    view_ = new GridView(grid_, this);
    view_->setObjectName(QStringLiteral("debts"));
    view_->setAccessibleName(QStringLiteral("Tanggungan"));
    view_->applyColumnWidths();

    auto* bottom = new QFormLayout;
    amount_ = new QLineEdit(this);
    amount_->setObjectName(QStringLiteral("amount"));
    amount_->setAccessibleName(QStringLiteral("Jumlah dihapus"));
    MakeTillAmountField(amount_);
    bottom->addRow(Buddy(QStringLiteral("&Jumlah dihapus"), amount_, this), amount_);
    reason_ = new QLineEdit(this);
    reason_->setObjectName(QStringLiteral("reason"));
    reason_->setAccessibleName(QStringLiteral("Alasan"));
    reason_->setMaxLength(200);
    bottom->addRow(Buddy(QStringLiteral("&Alasan"), reason_, this), reason_);

    saveButton_ = new QPushButton(QStringLiteral("&Simpan"), this);
    saveButton_->setObjectName(QStringLiteral("save"));
    saveButton_->setAutoDefault(false);
    auto* closeButton = new QPushButton(QStringLiteral("&Tutup"), this);
    closeButton->setObjectName(QStringLiteral("close"));
    closeButton->setAutoDefault(false);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(saveButton_);
    buttons->addWidget(closeButton);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(view_, 1);
    layout->addLayout(bottom);
    layout->addLayout(buttons);

    connect(member_, &QLineEdit::textChanged, this, &WaiverForm::memberChanged);
    connect(view_, &GridView::rowSelected, this, &WaiverForm::rowChosen);
    connect(saveButton_, &QPushButton::clicked, this, &WaiverForm::save);
    connect(closeButton, &QPushButton::clicked, this, &QDialog::reject);
}

void WaiverForm::memberChanged() {
    load();
}

void WaiverForm::load() {
    grid_.clearRows();
    QString name;
    ctx_.run(QStringLiteral("select Nama from Member where Id = ?"), {member_->text()}, StoreScalar(name));
    memberName_->setText(name == QLatin1String("0") ? QString() : name);
    std::vector<OpenDebt> debts;
    if (const DbResult r = LoadOpenDebts(ctx_.db(), member_->text(), debts); !r.ok) ctx_.sqlError(r.error);
    for (const OpenDebt& d : debts) {
        grid_.appendRow({QString::number(grid_.rowCount() + 1), d.id, d.tanggal, QString::number(d.jumlah),
                         QString::number(d.sisa)});
    }
    if (grid_.rowCount() > 0) grid_.select(0);
    rowChosen(grid_.selectedRow());
}

void WaiverForm::rowChosen(int row) {
    amount_->setText(row >= 0 ? grid_.cell(row, ColSisa) : QString());
}

void WaiverForm::save() {
    const auto tell = [this](const QString& text) {
        ctx_.messages().show(text, kCaption, MsgButtons::Ok, MsgIcon::Warning);
    };
    if (!MayWaive(ctx_.currentOperator))
        return tell(QStringLiteral("Hanya administrator yang boleh menghapus denda.."));
    const int row = grid_.selectedRow();
    if (row < 0) return tell(QStringLiteral("Pilih tanggungan yang akan dihapus.."));
    const Waiver w{grid_.cell(row, ColId), member_->text(),      AmountValue(amount_->text()),
                   reason_->text(),        ctx_.currentOperator, ctx_.timeStamp()};
    QString error;
    switch (WaiveDebt(ctx_.db(), w, &error)) {
        case WaiverResult::Ok:
            ctx_.messages().info(
                QStringLiteral("Denda ") + QString::number(w.amount) + QStringLiteral(" berhasil dihapus.."),
                kCaption);
            reason_->clear();
            load();
            return;
        case WaiverResult::NoReason:
            return tell(QStringLiteral("Alasan harus diisi.."));
        case WaiverResult::BadAmount:
            return tell(QStringLiteral("Jumlah dihapus harus lebih dari 0.."));
        case WaiverResult::NotOpen:
            tell(QStringLiteral("Tidak disimpan: sisa tanggungan ini kurang dari ") +
                 QString::number(w.amount) + QStringLiteral(" (sudah dibayar atau dihapus).."));
            load();
            return;
        case WaiverResult::Failed:
            ctx_.sqlError(error);
            return;
    }
}

}  // namespace zelkor
