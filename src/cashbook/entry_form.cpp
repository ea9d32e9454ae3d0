#include "cashbook/entry_form.h"

#include <QComboBox>
#include <QDateEdit>

#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>
#include "ui/date_field.h"

#include "app/app_context.h"
#include "core/dates.h"
#include "db/row_sinks.h"
#include "printing/voucher.h"
#include "ui/scaling.h"

namespace zelkor {

namespace {
const QString kEntryCaption = QStringLiteral("Entry Data..");
const QString kAddItem = QStringLiteral("Add Item");

// The voucher's blanks, filled in by hand.
const QString kReceivedFromBlank(23, QLatin1Char('_'));
const QString kReceiverBlank(16, QLatin1Char('_'));

QLineEdit* NewField(QWidget* form, const char* name, const QString& accessibleName) {
    auto* f = new QLineEdit(form);
    f->setObjectName(QLatin1String(name));
    f->setAccessibleName(accessibleName);
    f->setFont(FontFromText(QStringLiteral("Arial,-12,0")));
    return f;
}
}  // namespace

EntryForm::EntryForm(AppContext& ctx, EntrySide side, const QStringList& shown, QWidget* parent)
    : QDialog(parent), ctx_(ctx), side_(side), viewing_(ctx.gridFollowFlag >= 1) {
    setObjectName(side == EntrySide::Income ? QStringLiteral("FORM_ZELKOR_FORMREKMASUK_CLASS")
                                            : QStringLiteral("FORM_ZELKOR_FORMREKKELUAR_CLASS"));
    setWindowTitle(EntryTitle(side));
    setModal(true);
    setSizeGripEnabled(true);
    resize(Scaled(this, 396), Scaled(this, 325));
    createControls();
    loadCategories();
    if (viewing_)
        showLine(shown);
    else
        startNewLine();
    if (side == EntrySide::Income)
        date_->setFocus();
    else
        selector_->setFocus();
}

void EntryForm::createControls() {
    auto* header = new QFrame(this);
    header->setFrameStyle(QFrame::StyledPanel | QFrame::Raised);
    header->setAutoFillBackground(true);
    header->setMinimumHeight(Scaled(this, 75));
    auto* heading = new QLabel(EntryHeading(side_), header);
    QFont headingFont(QStringLiteral("Arial"));
    headingFont.setPixelSize(Scaled(this, 19));
    headingFont.setBold(true);
    heading->setFont(headingFont);
    auto* explanation = new QLabel(EntryExplanation(side_), header);
    auto* icon = new QLabel(header);
    icon->setPixmap(QPixmap(QStringLiteral(":/IMAGE_MONEY")));
    icon->setAccessibleName(QStringLiteral("IMAGE_MONEY"));
    auto* headerText = new QVBoxLayout;
    headerText->addWidget(heading);
    headerText->addWidget(explanation);
    auto* headerLayout = new QHBoxLayout(header);
    headerLayout->addLayout(headerText, 1);
    headerLayout->addWidget(icon);

    // Tab leaves the date as it leaves every field: walking its parts, a Tab then
    // Alt+Down would change the month unseen.
    date_ = new DateField(ctx_.clock().today(), this);
    date_->setObjectName(QStringLiteral("date"));
    date_->setAccessibleName(QStringLiteral("Tanggal"));

    selector_ = new QComboBox(this);
    selector_->setObjectName(QStringLiteral("categorySelector"));
    const QString selectorLabel =
        side_ == EntrySide::Income ? QStringLiteral("Kelompok") : QStringLiteral("Referensi ");
    selector_->setAccessibleName(selectorLabel.trimmed());
    selector_->setEditable(false);

    category_ = NewField(this, "category", QStringLiteral("Kategori"));
    code_ = NewField(this, "code", QStringLiteral("Kode Jurnal"));
    description_ = NewField(this, "description", QStringLiteral("Deskripsi Jurnal"));
    amount_ = NewField(this, "amount", QStringLiteral("Jumlah"));
    amount_->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("[0-9]{0,%1}").arg(kAmountDigits)), amount_));
    amount_->setMaxLength(kAmountDigits);
    amount_->setAlignment(Qt::AlignRight);

    saveButton_ = new QPushButton(QStringLiteral("&Simpan"), this);
    saveButton_->setObjectName(QStringLiteral("save"));
    saveButton_->setAccessibleName(QStringLiteral("Simpan"));
    // Enter in a field never books a line by itself: Simpan is pressed on purpose.
    saveButton_->setAutoDefault(false);
    saveButton_->setMinimumSize(Scaled(this, 113), Scaled(this, 28));

    auto* form = new QFormLayout;
    auto row = [&](const QString& label, QWidget* field) {
        auto* l = new QLabel(label, this);
        l->setFont(FontFromText(QStringLiteral("MS Sans Serif,-11,0")));
        l->setBuddy(field);
        form->addRow(l, field);
    };
    row(QStringLiteral("&Tanggal"), date_);
    row(side_ == EntrySide::Income ? QStringLiteral("K&elompok") : QStringLiteral("R&eferensi "), selector_);
    form->addRow(QString(), category_);
    row(QStringLiteral("&Kode Jurnal"), code_);
    row(QStringLiteral("&Deskripsi Jurnal"), description_);
    row(QStringLiteral("&Jumlah"), amount_);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(saveButton_);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(header);
    layout->addLayout(form);
    layout->addStretch(1);
    layout->addLayout(buttons);

    setTabOrder(date_, selector_);
    setTabOrder(selector_, category_);
    setTabOrder(category_, code_);
    setTabOrder(code_, description_);
    setTabOrder(description_, amount_);
    setTabOrder(amount_, saveButton_);

    connect(selector_, &QComboBox::activated, this, &EntryForm::categoryChosen);
    connect(saveButton_, &QPushButton::clicked, this, &EntryForm::save);
}

void EntryForm::loadCategories() {
    selector_->clear();
    ctx_.run(CategoriesSql(side_), {}, AddComboItem(*selector_));
    selector_->addItem(kAddItem);
    selector_->setCurrentIndex(-1);
}

void EntryForm::startNewLine() {
    proposeCode();
    date_->setDate(ctx_.clock().today());
}

void EntryForm::showLine(const QStringList& cells) {
    auto cell = [&cells](int c) { return c < cells.size() ? cells[c] : QString(); };
    const QString date = cell(2);
    date_->setDate(QDate(date.mid(0, 4).toInt(), date.mid(5, 2).toInt(), date.mid(8, 2).toInt()));
    const QString category = cell(3);
    selector_->setCurrentIndex(selector_->findText(category, Qt::MatchStartsWith));
    code_->setText(cell(1));
    // The journal marks its first line with "Saldo lalu + "; the line itself does not say it.
    QString description = cell(4);
    if (description.startsWith(QStringLiteral("Saldo lalu + "))) description.remove(0, 13);
    description_->setText(description);
    amount_->setText(cell(side_ == EntrySide::Income ? 5 : 6));
    // A line being looked at is never changed: nothing here can be typed or saved.
    for (QLineEdit* f : {category_, code_, description_, amount_}) f->setReadOnly(true);
    date_->setReadOnly(true);
    selector_->setEnabled(false);
    saveButton_->setEnabled(false);
}

void EntryForm::categoryChosen(int index) {
    if (selector_->itemText(index) == kAddItem) {
        category_->clear();
        category_->setFocus();
    } else {
        category_->setText(selector_->itemText(index));
    }
}

void EntryForm::proposeCode() {
    code_->setText(ProposedJournalCode(side_, ctx_.todayText, ctx_.clockText()));
}

void EntryForm::refuse(const QString& text, QWidget* field) {
    ctx_.messages().info(text, kEntryCaption);
    proposeCode();
    // Back to the form, in the field to fill.
    activateWindow();
    field->setFocus();
}

void EntryForm::save() {
    if (viewing_) return;
    const QString code = code_->text();
    const QString category = category_->text();
    // The category saved is the field's: one typed there needs no pick in the list.
    if (category.isEmpty() || code.isEmpty()) {
        refuse(MissingFieldText(side_, category.isEmpty()),
               category.isEmpty() ? static_cast<QWidget*>(selector_) : code_);
        return;
    }
    // A line without money books nothing and its voucher would say Rp. 0.
    const std::optional<std::int64_t> amount = ParseAmount(amount_->text());
    if (!amount || *amount == 0) {
        refuse(QStringLiteral("Gagal menyimpan, kolom Jumlah belum terisi.."), amount_);
        return;
    }
    const SavedLine line{side_, code, IsoDate(date_->date()), category, description_->text(), *amount};
    if (!ctx_.run(InsertLineSql(side_), {line.code, line.date, line.description, line.category,
                                         QString::number(line.amount), ctx_.currentOperator})) {
        proposeCode();
        return;
    }
    emit saved(line);
    ctx_.messages().info(QStringLiteral("Data berhasil disimpan.."), kEntryCaption);
    if (ctx_.messages().askYesNo(QStringLiteral("Cetak Kwitansi?"), QStringLiteral("Print?"))) {
        // The category saved, not the selector's text, which may read "Add Item".
        // A printer that fails is reported by PrintVoucher; the line stays booked.
        PrintVoucher(ctx_, line.code, kReceivedFromBlank, line.description, line.amount, line.category,
                     kReceiverBlank);
    }
    code_->clear();
    description_->clear();
    amount_->clear();
    date_->setDate(ctx_.clock().today());
    proposeCode();
    activateWindow();
    description_->setFocus();  // the next line of the same category
}

}  // namespace zelkor
