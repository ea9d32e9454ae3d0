#include "labels/card_dialog.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QSaveFile>
#include <QVBoxLayout>

#include "app/app_context.h"
#include "app/pictures.h"
#include "labels/paper_printers.h"

namespace zelkor {

namespace {

const QString kCaption = QStringLiteral("Cetak Kartu");

QString RulesPath(const AppContext& ctx) {
    return QDir(ctx.configFolder()).filePath(QStringLiteral("kartu.txt"));
}

QString ReadRules(const AppContext& ctx) {
    QFile f(RulesPath(ctx));
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

void WriteRules(const AppContext& ctx, const QString& rules) {
    QSaveFile f(RulesPath(ctx));
    if (f.open(QIODevice::WriteOnly)) {
        f.write(rules.toUtf8());
        f.commit();
    }
}

}  // namespace

void PrintMemberCards(AppContext& ctx, QWidget* parent, const std::vector<MemberCard>& chosen,
                      const std::vector<MemberCard>& found) {
    if (chosen.empty() && found.empty()) {
        ctx.messages().info(QStringLiteral("Tidak ada member untuk dicetak kartunya.."), kCaption);
        return;
    }
    QDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("cardDialog"));
    dialog.setWindowTitle(kCaption);
    auto* one = new QRadioButton(QStringLiteral("Member &terpilih (%1)").arg(chosen.size()), &dialog);
    auto* all = new QRadioButton(QStringLiteral("Semua &hasil cari (%1)").arg(found.size()), &dialog);
    one->setEnabled(!chosen.empty());
    (chosen.empty() ? all : one)->setChecked(true);
    auto* rules = new QPlainTextEdit(ReadRules(ctx), &dialog);
    rules->setObjectName(QStringLiteral("rules"));
    rules->setAccessibleName(QStringLiteral("Tata tertib di balik kartu"));
    rules->setTabChangesFocus(true);
    auto* rulesLabel =
        new QLabel(QStringLiteral("Tata tertib di &balik kartu (kosong: tanpa sisi belakang)"), &dialog);
    rulesLabel->setBuddy(rules);
    auto* buttons = new QDialogButtonBox(&dialog);
    buttons->addButton(QStringLiteral("&Cetak"), QDialogButtonBox::AcceptRole);
    buttons->addButton(QStringLiteral("B&atal"), QDialogButtonBox::RejectRole);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    auto* layout = new QVBoxLayout(&dialog);
    for (QWidget* w : std::initializer_list<QWidget*>{one, all, rulesLabel, rules, buttons})
        layout->addWidget(w);
    if (dialog.exec() != QDialog::Accepted) return;
    WriteRules(ctx, rules->toPlainText());

    CardIssuer issuer{ctx.libraryName, ctx.libraryAddress, ctx.libraryPhone, QImage(LogoPath(ctx)),
                      rules->toPlainText()};
    const CardSheets sheets = MemberCardSheets(issuer, all->isChecked() ? found : chosen);
    PreviewSheetOutput out(parent, ReadPaperPrinters(ctx.configFolder()).sheets);
    QString why;
    if (!out.print(sheets.doc, &why)) {
        if (!why.isEmpty()) ctx.messages().info(QStringLiteral("Gagal mencetak kartu: ") + why, kCaption);
        return;
    }
    if (!sheets.withoutBars.isEmpty())
        ctx.messages().info(
            QStringLiteral("Nomor berikut dicetak tanpa barcode (ada huruf di luar Code 128):\n") +
                sheets.withoutBars.join('\n'),
            kCaption);
}

}  // namespace zelkor
