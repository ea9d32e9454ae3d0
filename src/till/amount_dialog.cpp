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

std::optional<std::int64_t> AskDebtPayment(QWidget* parent, std::int64_t open) {
    QDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("payDebtsDialog"));
    dialog.setWindowTitle(QStringLiteral("Bayar Tanggungan"));
    auto* form = new QFormLayout(&dialog);
    auto* openLabel = new QLabel(QString::number(open), &dialog);
    openLabel->setAccessibleName(QStringLiteral("Sisa tanggungan"));
    form->addRow(QStringLiteral("Sisa tanggungan"), openLabel);
    auto* amount = new QLineEdit(QString::number(open), &dialog);
    amount->setObjectName(QStringLiteral("amount"));
    amount->setAccessibleName(QStringLiteral("Jumlah dibayar"));
    MakeTillAmountField(amount);
    auto* amountLabel = new QLabel(QStringLiteral("&Jumlah dibayar"), &dialog);
    amountLabel->setBuddy(amount);
    form->addRow(amountLabel, amount);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("&OK"));
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("&Batal"));
    form->addRow(buttons);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    amount->selectAll();
    amount->setFocus();
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    const std::int64_t value = AmountValue(amount->text());
    if (value <= 0 || value > open) return std::nullopt;
    return value;
}

}  // namespace zelkor
