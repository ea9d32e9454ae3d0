#include "labels/printer_settings_dialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QPrinterInfo>
#include <QPushButton>

#include "app/app_context.h"
#include "labels/paper_printers.h"

namespace zelkor {

namespace {
const QString kDefault = QStringLiteral("(Printer default)");
}

PrinterSettingsDialog::PrinterSettingsDialog(AppContext& ctx, QWidget* parent) : QDialog(parent), ctx_(ctx) {
    setObjectName(QStringLiteral("printerSettings"));
    setWindowTitle(QStringLiteral("Pengaturan Printer"));
    const PaperPrinters now = ReadPaperPrinters(ctx_.configFolder());
    receipt_ = printerList(now.receipt, "receiptPrinter", QStringLiteral("Printer Struk"));
    width_ = new QComboBox(this);
    width_->setObjectName(QStringLiteral("receiptWidth"));
    width_->setAccessibleName(QStringLiteral("Lebar Kertas Struk"));
    width_->addItem(QStringLiteral("Sesuai kertas printer"), 0);
    width_->addItem(QStringLiteral("58 mm"), 58);
    width_->addItem(QStringLiteral("80 mm"), 80);
    width_->setCurrentIndex(qMax(0, width_->findData(now.receiptWidthMm)));
    sheets_ = printerList(now.sheets, "sheetPrinter", QStringLiteral("Printer A4 (Surat, Label, Kartu)"));

    auto* form = new QFormLayout(this);
    const auto row = [&](const QString& text, QWidget* field) {
        auto* label = new QLabel(text, this);
        label->setBuddy(field);
        form->addRow(label, field);
    };
    row(QStringLiteral("Printer &Struk"), receipt_);
    row(QStringLiteral("&Lebar Kertas Struk"), width_);
    row(QStringLiteral("Printer &A4 (Surat, Label, Kartu)"), sheets_);
    auto* hint =
        new QLabel(QStringLiteral("Struk dan kwitansi langsung dicetak tanpa dialog; label dan kartu "
                                  "ditampilkan dulu dalam pratinjau cetak."),
                   this);
    hint->setWordWrap(true);
    form->addRow(hint);
    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(QStringLiteral("S&impan"), QDialogButtonBox::AcceptRole);
    buttons->addButton(QStringLiteral("&Batal"), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &PrinterSettingsDialog::save);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    form->addRow(buttons);
}

QComboBox* PrinterSettingsDialog::printerList(const QString& chosen, const char* name,
                                              const QString& accessibleName) {
    auto* list = new QComboBox(this);
    list->setObjectName(QLatin1String(name));
    list->setAccessibleName(accessibleName);
    list->addItem(kDefault, QString());
    for (const QString& p : QPrinterInfo::availablePrinterNames()) list->addItem(p, p);
    // A printer chosen earlier and gone now stays visible, so it is not lost unseen.
    if (!chosen.isEmpty() && list->findData(chosen) < 0)
        list->addItem(chosen + QStringLiteral(" (tidak ada)"), chosen);
    list->setCurrentIndex(qMax(0, list->findData(chosen)));
    return list;
}

void PrinterSettingsDialog::save() {
    PaperPrinters p;
    p.receipt = receipt_->currentData().toString();
    p.receiptWidthMm = width_->currentData().toInt();
    p.sheets = sheets_->currentData().toString();
    QString error;
    if (!WritePaperPrinters(ctx_.configFolder(), p, &error)) {
        ctx_.messages().info(QStringLiteral("Pengaturan printer tidak dapat disimpan: ") + error,
                             QStringLiteral("Info"));
        return;
    }
    accept();
}

}  // namespace zelkor
