#include "till/close_form.h"

#include <QDateEdit>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/app_context.h"
#include "core/money.h"
#include "printing/print_runner.h"
#include "printing/receipt_layout.h"
#include "reports/grid_export.h"
#include "till/amount_dialog.h"
#include "till/till_queries.h"
#include "ui/grid_view.h"

namespace zelkor {

namespace {

const QString kCaption = QStringLiteral("Tutup Kas");

QLabel* Buddy(const QString& text, QWidget* field, QWidget* parent) {
    auto* l = new QLabel(text, parent);
    l->setBuddy(field);
    return l;
}

QPushButton* Button(const QString& text, const char* name, QWidget* parent) {
    auto* b = new QPushButton(text, parent);
    b->setObjectName(QLatin1String(name));
    b->setAutoDefault(false);
    return b;
}

// "kurang 5000", "lebih 500", "cocok": the difference as the operator says it.
QString DifferenceWords(std::int64_t difference) {
    if (difference < 0) return QStringLiteral("kurang ") + QString::number(-difference);
    if (difference > 0) return QStringLiteral("lebih ") + QString::number(difference);
    return QStringLiteral("cocok");
}

}  // namespace

TillCloseForm::TillCloseForm(AppContext& ctx, QWidget* parent) : QDialog(parent), ctx_(ctx) {
    setObjectName(QStringLiteral("FORM_ZELKOR_TUTUPKAS_CLASS"));
    setWindowTitle(kCaption + QStringLiteral(" - ") + ctx_.currentOperator);
    setModal(true);
    summaryGrid_.setColumns({{QStringLiteral("Jenis"), 110, Align::Left},
                             {QStringLiteral("Kategori"), 220, Align::Left},
                             {QStringLiteral("Baris"), 50, Align::Right},
                             {QStringLiteral("Masuk"), 100, Align::Right},
                             {QStringLiteral("Keluar"), 100, Align::Right}});
    closesGrid_.setColumns({{QStringLiteral("Ops"), 70, Align::Left},
                            {QStringLiteral("Jam"), 70, Align::Center},
                            {QStringLiteral("Dicatat"), 90, Align::Right},
                            {QStringLiteral("Dihitung"), 90, Align::Right},
                            {QStringLiteral("Selisih"), 80, Align::Right},
                            {QStringLiteral("Rincian"), 150, Align::Left},
                            {QStringLiteral("Catatan"), 150, Align::Left},
                            {QStringLiteral("Id"), 120, Align::Left}});
    createControls();
    resize(720, 640);
    load();
}

void TillCloseForm::createControls() {
    auto* layout = new QVBoxLayout(this);
    auto* top = new QFormLayout;
    date_ = new QDateEdit(QDate::fromString(ctx_.todayText, Qt::ISODate), this);
    date_->setObjectName(QStringLiteral("date"));
    date_->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
    date_->setCalendarPopup(true);
    date_->setAccessibleName(QStringLiteral("Tanggal"));
    top->addRow(Buddy(QStringLiteral("T&anggal"), date_, this), date_);
    layout->addLayout(top);

    summaryView_ = new GridView(summaryGrid_, this);
    summaryView_->setObjectName(QStringLiteral("summary"));
    summaryView_->setAccessibleName(QStringLiteral("Menurut jurnal"));
    summaryView_->applyColumnWidths();
    layout->addWidget(summaryView_, 1);

    auto* count = new QGroupBox(QStringLiteral("Hitung uang di laci (lembar/keping)"), this);
    auto* grid = new QGridLayout(count);
    int i = 0;
    for (std::int64_t value : kDenominations) {
        auto* field = new QLineEdit(count);
        field->setObjectName(QStringLiteral("count%1").arg(value));
        field->setAccessibleName(QStringLiteral("Jumlah lembar/keping ") + QString::number(value));
        MakeTillAmountField(field);
        grid->addWidget(Buddy(QString::number(value) + QStringLiteral(" x"), field, count), i % 6,
                        (i / 6) * 2);
        grid->addWidget(field, i % 6, (i / 6) * 2 + 1);
        connect(field, &QLineEdit::textChanged, this, &TillCloseForm::countChanged);
        counts_.push_back(field);
        ++i;
    }
    layout->addWidget(count);

    auto* totals = new QFormLayout;
    expected_ = new QLabel(this);
    expected_->setObjectName(QStringLiteral("expected"));
    expected_->setAccessibleName(QStringLiteral("Dicatat di jurnal"));
    totals->addRow(QStringLiteral("Dicatat di jurnal"), expected_);
    counted_ = new QLineEdit(this);
    counted_->setObjectName(QStringLiteral("counted"));
    counted_->setAccessibleName(QStringLiteral("Total dihitung"));
    MakeTillAmountField(counted_);
    totals->addRow(Buddy(QStringLiteral("Total &dihitung"), counted_, this), counted_);
    difference_ = new QLabel(this);
    difference_->setObjectName(QStringLiteral("difference"));
    difference_->setAccessibleName(QStringLiteral("Selisih"));
    totals->addRow(QStringLiteral("Selisih"), difference_);
    note_ = new QLineEdit(this);
    note_->setObjectName(QStringLiteral("note"));
    note_->setAccessibleName(QStringLiteral("Catatan"));
    note_->setMaxLength(200);
    totals->addRow(Buddy(QStringLiteral("Ca&tatan"), note_, this), note_);
    layout->addLayout(totals);

    closesView_ = new GridView(closesGrid_, this);
    closesView_->setObjectName(QStringLiteral("closes"));
    closesView_->setAccessibleName(QStringLiteral("Tutup Kas hari ini"));
    closesView_->applyColumnWidths();
    layout->addWidget(Buddy(QStringLiteral("Tutup Kas &hari itu"), closesView_, this));
    layout->addWidget(closesView_, 1);

    saveButton_ = Button(QStringLiteral("&Simpan Tutup Kas"), "save", this);
    printButton_ = Button(QStringLiteral("&Cetak"), "print", this);
    printA4Button_ = Button(QStringLiteral("Cetak A&4"), "printA4", this);
    auto* closeButton = Button(QStringLiteral("T&utup"), "close", this);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    for (QPushButton* b : {saveButton_, printButton_, printA4Button_, closeButton}) buttons->addWidget(b);
    layout->addLayout(buttons);

    connect(date_, &QDateEdit::dateChanged, this, &TillCloseForm::load);
    connect(counted_, &QLineEdit::textChanged, this, &TillCloseForm::totalChanged);
    connect(saveButton_, &QPushButton::clicked, this, &TillCloseForm::save);
    connect(printButton_, &QPushButton::clicked, this, &TillCloseForm::print);
    connect(printA4Button_, &QPushButton::clicked, this, &TillCloseForm::printA4);
    connect(closeButton, &QPushButton::clicked, this, &QDialog::reject);
}

QString TillCloseForm::date() const {
    return date_->date().toString(Qt::ISODate);
}

void TillCloseForm::load() {
    if (const DbResult r = LoadCloseSummary(ctx_.db(), ctx_.currentOperator, date(), shown_); !r.ok)
        ctx_.sqlError(r.error);
    summaryGrid_.clearRows();
    for (const CloseLine& l : shown_.byKind)
        summaryGrid_.appendRow({l.kind, l.kategori, QString::number(l.lines), QString::number(l.masuk),
                                QString::number(l.keluar)});
    expected_->setText(QString::number(shown_.expected()));
    closesGrid_.clearRows();
    ctx_.run(kClosesOfDaySql, {date()}, [this](const DbRow& row) {
        QStringList cells;
        for (int c = 0; c < row.columnCount(); ++c) cells << row.text(c);
        closesGrid_.appendRow(cells);
    });
    if (closesGrid_.rowCount() > 0) closesGrid_.select(closesGrid_.rowCount() - 1);
    totalChanged();
}

void TillCloseForm::countChanged() {
    std::vector<std::int64_t> counts;
    for (QLineEdit* f : counts_) counts.push_back(AmountValue(f->text()));
    const std::optional<std::int64_t> total = CountedTotal(counts);
    counted_->setText(total ? QString::number(*total) : QString());
}

void TillCloseForm::totalChanged() {
    difference_->setText(counted_->text().isEmpty()
                             ? QString()
                             : DifferenceWords(AmountValue(counted_->text()) - shown_.expected()));
}

void TillCloseForm::save() {
    const auto tell = [this](const QString& text) {
        ctx_.messages().show(text, kCaption, MsgButtons::Ok, MsgIcon::Warning);
    };
    if (counted_->text().isEmpty())
        return tell(QStringLiteral("Isi jumlah uang di laci (per lembar/keping atau Total dihitung).."));
    std::vector<std::int64_t> counts;
    for (QLineEdit* f : counts_) counts.push_back(AmountValue(f->text()));
    CloseRequest rq{date(),
                    ctx_.currentOperator,
                    ctx_.timeStamp(),
                    AmountValue(counted_->text()),
                    CountText(counts),
                    note_->text(),
                    shown_.expected(),
                    shown_.lines};
    const std::int64_t difference = rq.counted - rq.shownExpected;
    // The operator agrees to the difference before anything is written.
    if (!ctx_.messages().askYesNo(
            QStringLiteral("Tutup Kas ") + rq.ops + QLatin1Char(' ') + rq.date +
                QStringLiteral(": dicatat ") + QString::number(rq.shownExpected) +
                QStringLiteral(", dihitung ") + QString::number(rq.counted) + QStringLiteral(", ") +
                DifferenceWords(difference) +
                (difference != 0 ? QStringLiteral(" (dibukukan di jurnal)") : QString()) +
                QStringLiteral(". Simpan?"),
            kCaption))
        return;
    QString error;
    switch (BookClose(ctx_.db(), rq, nullptr, &error)) {
        case CloseResult::Ok:
            ctx_.messages().info(QStringLiteral("Tutup Kas berhasil disimpan.."), kCaption);
            for (QLineEdit* f : counts_) f->clear();
            counted_->clear();
            note_->clear();
            break;
        case CloseResult::Nothing:
            tell(QStringLiteral("Tidak ada transaksi yang belum ditutup.."));
            break;
        case CloseResult::TooLarge:
            tell(QStringLiteral("Tidak disimpan: jumlah uang terlalu besar (lebih dari 12 digit).."));
            break;
        case CloseResult::Changed:
            tell(QStringLiteral(
                "Tidak disimpan: ada transaksi baru sejak daftar ini dibuka. Periksa lagi, lalu "
                "tekan Simpan lagi.."));
            break;
        case CloseResult::Failed:
            ctx_.sqlError(error);
            break;
    }
    load();
}

std::vector<std::pair<QString, QString>> TillCloseForm::closeDetails() const {
    std::vector<std::pair<QString, QString>> out;
    const int row = closesGrid_.selectedRow();
    if (row < 0) return out;
    const auto cell = [&](int column) { return closesGrid_.cell(row, column); };
    out.push_back({QStringLiteral("Operator"), cell(ColOps)});
    out.push_back({QStringLiteral("Tanggal"), date() + QLatin1Char(' ') + cell(ColJam)});
    ctx_.run(kCloseLinesSql, {cell(ColId)}, [&out](const DbRow& r) {
        out.push_back({CloseKind(r.text(0)), r.text(1)});
    });
    out.push_back({QStringLiteral("Dicatat"), cell(ColDicatat)});
    out.push_back({QStringLiteral("Dihitung"), cell(ColDihitung)});
    out.push_back({QStringLiteral("Selisih"), DifferenceWords(AmountValue(cell(ColSelisih)))});
    out.push_back({QStringLiteral("Rincian"), cell(ColRincian)});
    out.push_back({QStringLiteral("Catatan"), cell(ColCatatan)});
    return out;
}

void TillCloseForm::print() {
    const auto details = closeDetails();
    if (details.empty()) {
        ctx_.messages().info(QStringLiteral("Belum ada Tutup Kas untuk dicetak.."), kCaption);
        return;
    }
    PrintLayout l{QStringLiteral("Courier New"), 8, {}};
    QStringList lines = {ctx_.libraryName, QStringLiteral("TUTUP KAS ") + date()};
    for (const auto& [label, value] : details)
        lines << label.leftJustified(15, QLatin1Char(' '), true) + QStringLiteral(": ") + value;
    for (int k = 0; k < lines.size(); ++k) l.lines.push_back({10, SmallLineY(k), lines[k]});
    PrintLayouts(ctx_, {l});
}

void TillCloseForm::printA4() {
    const auto details = closeDetails();
    if (details.empty()) {
        ctx_.messages().info(QStringLiteral("Belum ada Tutup Kas untuk dicetak.."), kCaption);
        return;
    }
    GridData grid;
    grid.setColumns(
        {{QStringLiteral("Uraian"), 160, Align::Left}, {QStringLiteral("Jumlah"), 300, Align::Left}});
    for (const auto& [label, value] : details) grid.appendRow({label, value});
    ReportGridToBrowser(ctx_, QStringLiteral("Tutup Kas ") + date(), grid);
}

}  // namespace zelkor
