#include "till/amount_dialog.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>

#include "core/money.h"

namespace zelkor {

void MakeTillAmountField(QLineEdit* field) {
    field->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,12}")), field));
    field->setMaxLength(kAmountDigits);
    field->setAlignment(Qt::AlignRight);
}

namespace {

QLineEdit* AmountRow(QDialog& dialog, QFormLayout* form, const QString& caption, const QString& name,
                     std::int64_t preset) {
    auto* amount = new QLineEdit(QString::number(preset), &dialog);
    amount->setObjectName(QStringLiteral("amount"));
    amount->setAccessibleName(name);
    MakeTillAmountField(amount);
    auto* label = new QLabel(caption, &dialog);
    label->setBuddy(amount);
    form->addRow(label, amount);
    return amount;
}

QDialogButtonBox* OkCancel(QDialog& dialog, QFormLayout* form) {
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("&OK"));
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("&Batal"));
    form->addRow(buttons);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    return buttons;
}

}  // namespace

std::optional<WaiverAnswer> AskFineWaiver(QWidget* parent, std::int64_t fine) {
    QDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("waiveFineDialog"));
    dialog.setWindowTitle(QStringLiteral("Hapus Denda"));
    auto* form = new QFormLayout(&dialog);
    auto* fineLabel = new QLabel(QString::number(fine), &dialog);
    fineLabel->setAccessibleName(QStringLiteral("Denda"));
    form->addRow(QStringLiteral("Denda"), fineLabel);
    QLineEdit* amount =
        AmountRow(dialog, form, QStringLiteral("&Jumlah dihapus"), QStringLiteral("Jumlah dihapus"), fine);
    auto* reason = new QLineEdit(&dialog);
    reason->setObjectName(QStringLiteral("reason"));
    reason->setAccessibleName(QStringLiteral("Alasan"));
    reason->setMaxLength(200);
    auto* reasonLabel = new QLabel(QStringLiteral("&Alasan"), &dialog);
    reasonLabel->setBuddy(reason);
    form->addRow(reasonLabel, reason);
    QPushButton* ok = OkCancel(dialog, form)->button(QDialogButtonBox::Ok);
    ok->setEnabled(false);
    QObject::connect(reason, &QLineEdit::textChanged,
                     [ok](const QString& text) { ok->setEnabled(!text.trimmed().isEmpty()); });
    amount->selectAll();
    amount->setFocus();
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    const std::int64_t value = AmountValue(amount->text());
    if (value <= 0 || value > fine || reason->text().trimmed().isEmpty()) return std::nullopt;
    return WaiverAnswer{value, reason->text().trimmed()};
}

std::optional<std::int64_t> AskDebtPayment(QWidget* parent, std::int64_t open) {
    QDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("payDebtsDialog"));
    dialog.setWindowTitle(QStringLiteral("Bayar Tanggungan"));
    auto* form = new QFormLayout(&dialog);
    auto* openLabel = new QLabel(QString::number(open), &dialog);
    openLabel->setAccessibleName(QStringLiteral("Sisa tanggungan"));
    form->addRow(QStringLiteral("Sisa tanggungan"), openLabel);
    QLineEdit* amount =
        AmountRow(dialog, form, QStringLiteral("&Jumlah dibayar"), QStringLiteral("Jumlah dibayar"), open);
    OkCancel(dialog, form);
    amount->selectAll();
    amount->setFocus();
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    const std::int64_t value = AmountValue(amount->text());
    if (value <= 0 || value > open) return std::nullopt;
    return value;
}

}  // namespace zelkor
