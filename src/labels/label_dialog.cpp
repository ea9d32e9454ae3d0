#include "labels/label_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QLabel>
#include <QRadioButton>
#include <QSpinBox>

#include "app/app_context.h"
#include "labels/paper_printers.h"

namespace zelkor {

namespace {

const QString kCaption = QStringLiteral("Cetak Label");

QLabel* Buddy(const QString& text, QWidget* field, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setBuddy(field);
    return label;
}

}  // namespace

LabelDialog::LabelDialog(int chosen, int found, QWidget* parent, bool copiesKnown) : QDialog(parent) {
    setObjectName(QStringLiteral("labelDialog"));
    setWindowTitle(kCaption);
    chosen_ = new QRadioButton(QStringLiteral("Item &terpilih (%1)").arg(chosen), this);
    found_ = new QRadioButton(QStringLiteral("Semua &hasil cari (%1)").arg(found), this);
    chosen_->setObjectName(QStringLiteral("chosenItems"));
    found_->setObjectName(QStringLiteral("foundItems"));
    chosen_->setEnabled(chosen > 0);
    (chosen > 0 ? chosen_ : found_)->setChecked(true);
    kind_ = new QComboBox(this);
    kind_->setObjectName(QStringLiteral("labelKind"));
    kind_->setAccessibleName(QStringLiteral("Jenis Label"));
    kind_->addItems({QStringLiteral("Label barcode"), QStringLiteral("Label punggung (rak dan kode)")});
    perCopy_ = new QCheckBox(QStringLiteral("Satu label per &eksemplar (Jumlah Stock)"), this);
    perCopy_->setObjectName(QStringLiteral("perCopy"));
    perCopy_->setEnabled(copiesKnown);
    sheet_ = new QComboBox(this);
    sheet_->setObjectName(QStringLiteral("sheet"));
    sheet_->setAccessibleName(QStringLiteral("Lembar Label"));
    for (const SheetLayout& s : StandardSheets()) sheet_->addItem(QString::fromStdString(s.name));
    sheet_->addItem(QStringLiteral("Custom"));

    custom_ = new QWidget(this);
    auto* grid = new QGridLayout(custom_);
    grid->setContentsMargins(0, 0, 0, 0);
    columns_ = new QSpinBox(custom_);
    rows_ = new QSpinBox(custom_);
    columns_->setRange(1, 20);
    rows_->setRange(1, 40);
    columns_->setValue(3);
    rows_->setValue(8);
    columns_->setObjectName(QStringLiteral("columns"));
    rows_->setObjectName(QStringLiteral("rows"));
    columns_->setAccessibleName(QStringLiteral("Kolom"));
    rows_->setAccessibleName(QStringLiteral("Baris"));
    width_ = mmField("labelWidth", QStringLiteral("Lebar label (mm)"), 70, 210);
    height_ = mmField("labelHeight", QStringLiteral("Tinggi label (mm)"), 37, 297);
    left_ = mmField("marginLeft", QStringLiteral("Tepi kiri (mm)"), 0, 210);
    top_ = mmField("marginTop", QStringLiteral("Tepi atas (mm)"), 0, 297);
    gapX_ = mmField("gapX", QStringLiteral("Jarak antar kolom (mm)"), 0, 210);
    gapY_ = mmField("gapY", QStringLiteral("Jarak antar baris (mm)"), 0, 297);
    const std::pair<QString, QWidget*> fields[] = {
        {QStringLiteral("K&olom"), columns_},          {QStringLiteral("Ba&ris"), rows_},
        {QStringLiteral("Leb&ar label (mm)"), width_}, {QStringLiteral("Ti&nggi label (mm)"), height_},
        {QStringLiteral("Tepi &kiri (mm)"), left_},    {QStringLiteral("Tepi ata&s (mm)"), top_},
        {QStringLiteral("Jarak kolo&m (mm)"), gapX_},  {QStringLiteral("Jarak bar&is (mm)"), gapY_}};
    for (int i = 0; i < 8; ++i) {
        grid->addWidget(Buddy(fields[i].first, fields[i].second, custom_), i / 2, (i % 2) * 2);
        grid->addWidget(fields[i].second, i / 2, (i % 2) * 2 + 1);
    }
    start_ = new QSpinBox(this);
    start_->setObjectName(QStringLiteral("start"));
    start_->setAccessibleName(QStringLiteral("Mulai dari label ke"));

    auto* form = new QFormLayout(this);
    form->addRow(chosen_);
    form->addRow(found_);
    form->addRow(Buddy(QStringLiteral("&Jenis label"), kind_, this), kind_);
    form->addRow(perCopy_);
    form->addRow(Buddy(QStringLiteral("&Lembar label"), sheet_, this), sheet_);
    form->addRow(custom_);
    form->addRow(Buddy(QStringLiteral("Mulai &dari label ke"), start_, this), start_);
    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(QStringLiteral("&Cetak"), QDialogButtonBox::AcceptRole);
    buttons->addButton(QStringLiteral("&Batal"), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    form->addRow(buttons);

    connect(sheet_, &QComboBox::currentIndexChanged, this, &LabelDialog::sheetChosen);
    for (QSpinBox* s : {columns_, rows_})
        connect(s, &QSpinBox::valueChanged, this, &LabelDialog::sheetChosen);
    sheetChosen();
}

QDoubleSpinBox* LabelDialog::mmField(const char* name, const QString& accessibleName, double value,
                                     double max) {
    auto* f = new QDoubleSpinBox(custom_);
    f->setObjectName(QLatin1String(name));
    f->setAccessibleName(accessibleName);
    f->setDecimals(2);
    f->setRange(0, max);
    f->setValue(value);
    return f;
}

void LabelDialog::sheetChosen() {
    custom_->setEnabled(sheet_->currentIndex() == int(StandardSheets().size()));
    start_->setRange(1, sheet().perSheet());
}

SheetLayout LabelDialog::sheet() const {
    const std::vector<SheetLayout> standard = StandardSheets();
    if (sheet_->currentIndex() < int(standard.size())) return standard[std::size_t(sheet_->currentIndex())];
    return {"Custom",       columns_->value(), rows_->value(), width_->value(), height_->value(),
            left_->value(), top_->value(),     gapX_->value(), gapY_->value()};
}

bool LabelDialog::allFound() const {
    return found_->isChecked();
}

LabelRun LabelDialog::run() const {
    LabelRun r;
    r.sheet = sheet();
    r.kind = kind_->currentIndex() == 1 ? LabelKind::Spine : LabelKind::Barcode;
    r.start = start_->value();
    r.perCopy = perCopy_->isChecked();
    return r;
}

// A custom sheet that does not fit A4 keeps the dialog open, saying which numbers.
void LabelDialog::done(int result) {
    if (result == QDialog::Accepted) {
        const std::vector<std::string> problems = SheetProblems(sheet());
        if (!problems.empty()) {
            QStringList lines;
            for (const std::string& p : problems) lines << QString::fromStdString(p);
            auto* info = findChild<QLabel*>(QStringLiteral("problems"));
            if (!info) {
                info = new QLabel(this);
                info->setObjectName(QStringLiteral("problems"));
                info->setStyleSheet(QStringLiteral("color: #a00000;"));
                info->setWordWrap(true);
                static_cast<QFormLayout*>(layout())->insertRow(layout()->count() - 1, info);
            }
            info->setText(QStringLiteral("Lembar tidak muat di kertas A4:\n") + lines.join('\n'));
            info->setAccessibleName(info->text());
            return;
        }
    }
    QDialog::done(result);
}

void PrintItemLabels(AppContext& ctx, QWidget* parent, const std::vector<ItemLabel>& chosen,
                     const std::vector<ItemLabel>& found, bool copiesKnown) {
    if (chosen.empty() && found.empty()) {
        ctx.messages().info(QStringLiteral("Tidak ada item untuk dicetak labelnya.."), kCaption);
        return;
    }
    LabelDialog dialog(int(chosen.size()), int(found.size()), parent, copiesKnown);
    if (dialog.exec() != QDialog::Accepted) return;
    LabelRun run = dialog.run();
    run.items = dialog.allFound() ? found : chosen;
    run.libraryName = ctx.libraryName;
    const LabelSheets sheets = ItemLabelSheets(run);
    PreviewSheetOutput out(parent, ReadPaperPrinters(ctx.configFolder()).sheets);
    QString why;
    if (!out.print(sheets.doc, &why)) {
        if (!why.isEmpty()) ctx.messages().info(QStringLiteral("Gagal mencetak label: ") + why, kCaption);
        return;
    }
    if (!sheets.withoutBars.isEmpty())
        ctx.messages().info(
            QStringLiteral("Kode berikut dicetak tanpa barcode (ada huruf di luar Code 128):\n") +
                sheets.withoutBars.join('\n'),
            kCaption);
}

}  // namespace zelkor
