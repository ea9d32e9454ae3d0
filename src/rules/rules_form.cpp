#include "rules/rules_form.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

#include "app/app_context.h"
#include "core/dates.h"
#include "db/row_sinks.h"
#include "rules/due_and_fine.h"
#include "rules/rules_store.h"
#include "ui/grid_view.h"

namespace zelkor {

namespace {

const QString kCaption = QStringLiteral("Aturan Peminjaman");

// Label, accessible name and object name of the number fields, in RuleTexts order.
const struct {
    const char* label;
    const char* name;
    const char* object;
} kNumberFields[] = {
    {"Maks. &Pinjam", "Maks. Pinjam", "maxItems"},
    {"&Lama Pinjam (hari)", "Lama Pinjam", "loanDays"},
    {"&Denda per Hari", "Denda per Hari", "finePerDay"},
    {"T&oleransi (hari)", "Toleransi", "graceDays"},
    {"Maks. De&nda", "Maks. Denda", "fineCap"},
    {"Maks. Pe&rpanjang", "Maks. Perpanjang", "maxRenewals"},
    {"Hari Perpanjan&g", "Hari Perpanjang", "renewDays"},
};

QStringList Cells(const LoanRule& r) {
    const RuleTexts t = TextsOf(r);
    return {t.kategori,  t.jenis,   t.maxItems,    t.loanDays,  t.finePerDay,
            t.graceDays, t.fineCap, t.maxRenewals, t.renewDays, t.notLent ? QStringLiteral("ya") : QString()};
}

QComboBox* WordList(QWidget* parent, const char* object, const QString& name) {
    auto* box = new QComboBox(parent);
    box->setObjectName(QLatin1String(object));
    box->setAccessibleName(name);
    box->setEditable(true);
    return box;
}

}  // namespace

RulesForm::RulesForm(AppContext& ctx, QWidget* parent) : QDialog(parent), ctx_(ctx) {
    setObjectName(QStringLiteral("rulesForm"));
    setWindowTitle(kCaption);
    setModal(true);
    grid_.setColumns({{QStringLiteral("Kategori"), 90, Align::Left},
                      {QStringLiteral("Jenis"), 90, Align::Left},
                      {QStringLiteral("Maks. Pinjam"), 80, Align::Right},
                      {QStringLiteral("Lama Pinjam"), 80, Align::Right},
                      {QStringLiteral("Denda/Hari"), 80, Align::Right},
                      {QStringLiteral("Toleransi"), 70, Align::Right},
                      {QStringLiteral("Maks. Denda"), 80, Align::Right},
                      {QStringLiteral("Maks. Perpanjang"), 100, Align::Right},
                      {QStringLiteral("Hari Perpanjang"), 100, Align::Right},
                      {QStringLiteral("Tidak Dipinjamkan"), 110, Align::Center}});
    createControls();
    load();
}

void RulesForm::createControls() {
    auto* top = new QVBoxLayout(this);
    view_ = new GridView(grid_, this);
    view_->setObjectName(QStringLiteral("rules"));
    view_->setAccessibleName(QStringLiteral("Daftar Aturan Peminjaman"));
    view_->setMinimumSize(880, 180);
    view_->applyColumnWidths();
    auto* listLabel = new QLabel(QStringLiteral("Daftar &Aturan (kosong: seperti biasa, Durasi Pinjam member "
                                                "dan Denda item)"),
                                 this);
    listLabel->setBuddy(view_);
    top->addWidget(listLabel);
    top->addWidget(view_);

    auto* fields = new QGridLayout;
    auto addRow = [&](int index, const QString& label, QWidget* w) {
        auto* l = new QLabel(label, this);
        l->setBuddy(w);
        fields->addWidget(l, index / 3, (index % 3) * 2);
        fields->addWidget(w, index / 3, (index % 3) * 2 + 1);
    };
    kategori_ = WordList(this, "kategori", QStringLiteral("Kategori Member"));
    jenis_ = WordList(this, "jenis", QStringLiteral("Jenis Item"));
    addRow(0, QStringLiteral("&Kategori Member"), kategori_);
    addRow(1, QStringLiteral("&Jenis Item"), jenis_);
    int index = 2;
    for (const auto& f : kNumberFields) {
        auto* e = new QLineEdit(this);
        e->setObjectName(QLatin1String(f.object));
        e->setAccessibleName(QString::fromLatin1(f.name));
        e->setPlaceholderText(QStringLiteral("kosong: seperti biasa"));
        numbers_.push_back(e);
        addRow(index++, QString::fromLatin1(f.label), e);
    }
    notLent_ = new QCheckBox(QStringLiteral("T&idak dipinjamkan (referensi)"), this);
    notLent_->setObjectName(QStringLiteral("notLent"));
    fields->addWidget(notLent_, index / 3, (index % 3) * 2, 1, 2);
    top->addLayout(fields);

    auto* buttons = new QHBoxLayout;
    auto button = [&](const QString& text, const char* object, void (RulesForm::*slot)()) {
        auto* b = new QPushButton(text, this);
        b->setObjectName(QLatin1String(object));
        b->setAutoDefault(false);
        connect(b, &QPushButton::clicked, this, slot);
        buttons->addWidget(b);
        return b;
    };
    button(QStringLiteral("Tam&bah"), "add", &RulesForm::add);
    button(QStringLiteral("&Ubah"), "change", &RulesForm::change);
    button(QStringLiteral("&Hapus"), "remove", &RulesForm::remove);
    buttons->addStretch();
    button(QStringLiteral("&Simpan"), "save", &RulesForm::save);
    auto* close = new QPushButton(QStringLiteral("Tutup (Es&c)"), this);
    close->setObjectName(QStringLiteral("close"));
    close->setAutoDefault(false);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    buttons->addWidget(close);
    top->addLayout(buttons);

    // The preview uses the list as it stands, saved or not.
    auto* box = new QGroupBox(QStringLiteral("Pratinjau"), this);
    auto* p = new QGridLayout(box);
    auto previewField = [&](int column, const QString& label, const char* object, const QString& name) {
        auto* e = new QLineEdit(box);
        e->setObjectName(QLatin1String(object));
        e->setAccessibleName(name);
        auto* l = new QLabel(label, box);
        l->setBuddy(e);
        p->addWidget(l, 0, column * 2);
        p->addWidget(e, 0, column * 2 + 1);
        connect(e, &QLineEdit::returnPressed, this, &RulesForm::preview);
        return e;
    };
    previewMember_ =
        previewField(0, QStringLiteral("Id &Member"), "previewMember", QStringLiteral("Id Member"));
    previewItem_ = previewField(1, QStringLiteral("Id It&em"), "previewItem", QStringLiteral("Id Item"));
    previewLate_ = previewField(2, QStringLiteral("&Terlambat (hari)"), "previewLate",
                                QStringLiteral("Terlambat (hari)"));
    previewLate_->setText(QStringLiteral("3"));
    auto* look = new QPushButton(QStringLiteral("Lihat (&F5)"), box);
    // F5 besides the Alt letter: a shortcut set on the button would replace its letter.
    connect(new QShortcut(QKeySequence(Qt::Key_F5), this), &QShortcut::activated, this, &RulesForm::preview);
    look->setObjectName(QStringLiteral("preview"));
    look->setAutoDefault(false);
    connect(look, &QPushButton::clicked, this, &RulesForm::preview);
    p->addWidget(look, 0, 6);
    previewResult_ = new QLabel(box);
    previewResult_->setObjectName(QStringLiteral("previewResult"));
    previewResult_->setWordWrap(true);
    previewResult_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    previewResult_->setFocusPolicy(Qt::StrongFocus);
    previewResult_->setAccessibleName(QStringLiteral("Hasil Pratinjau"));
    p->addWidget(previewResult_, 1, 0, 1, 7);
    top->addWidget(box);

    connect(view_, &GridView::leftButtonReleased, this, &RulesForm::showRow);
    connect(view_->selectionModel(), &QItemSelectionModel::currentRowChanged, this, [this] { showRow(); });
}

void RulesForm::load() {
    rules_ = LoadLoanSettings(ctx_.db()).rules;
    showRules();
    for (auto [box, sql] :
         {std::pair{kategori_, QStringLiteral("select Kategori from Member where "
                                              "trim(ifnull(Kategori,''))<>'' group by Kategori")},
          std::pair{jenis_, QStringLiteral("select Jenis from ItemPerpus where "
                                           "trim(ifnull(Jenis,''))<>'' group by Jenis")}}) {
        box->addItem(kAllWord);
        ctx_.run(sql, {}, AddComboItem(*box));
    }
}

void RulesForm::showRules() {
    GridData::Batch batch(grid_);
    grid_.clearRows();
    for (const LoanRule& r : rules_) grid_.appendRow(Cells(r));
}

void RulesForm::showRow() {
    const int row = grid_.selectedRow();
    if (row < 0 || row >= static_cast<int>(rules_.size())) return;
    const RuleTexts t = TextsOf(rules_[static_cast<std::size_t>(row)]);
    kategori_->setCurrentText(t.kategori);
    jenis_->setCurrentText(t.jenis);
    const QString values[] = {t.maxItems, t.loanDays,    t.finePerDay, t.graceDays,
                              t.fineCap,  t.maxRenewals, t.renewDays};
    for (std::size_t i = 0; i < numbers_.size(); ++i) numbers_[i]->setText(values[i]);
    notLent_->setChecked(t.notLent);
}

bool RulesForm::readFields(LoanRule& out, int leaveOut) {
    RuleTexts t{kategori_->currentText(), jenis_->currentText(), numbers_[0]->text(), numbers_[1]->text(),
                numbers_[2]->text(),      numbers_[3]->text(),   numbers_[4]->text(), numbers_[5]->text(),
                numbers_[6]->text(),      notLent_->isChecked()};
    std::vector<LoanRule> others = rules_;
    if (leaveOut >= 0) others.erase(others.begin() + leaveOut);
    const QString problem = ParseRule(t, others, out);
    if (problem.isEmpty()) return true;
    ctx_.messages().show(problem, kCaption, MsgButtons::Ok, MsgIcon::Warning);
    return false;
}

void RulesForm::add() {
    LoanRule rule;
    if (!readFields(rule, -1)) return;
    rules_.push_back(rule);
    showRules();
    grid_.select(static_cast<int>(rules_.size()) - 1);
}

void RulesForm::change() {
    const int row = grid_.selectedRow();
    LoanRule rule;
    if (row < 0 || !readFields(rule, row)) return;
    rules_[static_cast<std::size_t>(row)] = rule;
    showRules();
    grid_.select(row);
}

void RulesForm::remove() {
    const int row = grid_.selectedRow();
    if (row < 0) return;
    rules_.erase(rules_.begin() + row);
    showRules();
}

void RulesForm::save() {
    const DbResult r = SaveRules(ctx_.db(), rules_);
    if (!r) {
        ctx_.sqlError(r.error);
        return;
    }
    ctx_.messages().info(QStringLiteral("Aturan peminjaman berhasil disimpan.."), kCaption);
}

QString RulesForm::previewText() const {
    return previewResult_->text();
}

void RulesForm::preview() {
    QString kategori, durasi, jenis, denda, nama, namaItem;
    bool member = false, item = false;
    ctx_.run(QStringLiteral("select Kategori, DurasiPinjam, Nama from Member where Id=?"),
             {previewMember_->text()}, [&](const DbRow& row) {
                 member = true;
                 kategori = row.text(0);
                 durasi = row.text(1);
                 nama = row.text(2);
             });
    ctx_.run(QStringLiteral("select Jenis, Denda, NamaItem from ItemPerpus where Id=? and Id<>'KUNJUNG'"),
             {previewItem_->text()}, [&](const DbRow& row) {
                 item = true;
                 jenis = row.text(0);
                 denda = row.text(1);
                 namaItem = row.text(2);
             });
    if (!member || !item) {
        previewResult_->setText(!member ? QStringLiteral("Id Member tidak ditemukan..")
                                        : QStringLiteral("Id Item tidak ditemukan.."));
        previewResult_->setAccessibleDescription(previewResult_->text());
        return;
    }
    const LibraryCalendar calendar = LoadLoanSettings(ctx_.db()).calendar;
    const LoanRule* rule = ChooseRule(rules_, kategori, jenis);
    const QDate today = ctx_.clock().today();
    const QString due = LoanDueDate(rule, calendar, today, durasi);
    const qint64 late = previewLate_->text().trimmed().toLongLong();
    const LateFine fine = FineFor(rule, calendar, due, ParseIsoDate(due).addDays(late), denda);
    QString text = nama + QStringLiteral(" (") + (kategori.isEmpty() ? QStringLiteral("-") : kategori) +
                   QStringLiteral("), ") + namaItem + QStringLiteral(" (") +
                   (jenis.isEmpty() ? QStringLiteral("-") : jenis) + QStringLiteral("): ") +
                   (rule ? QStringLiteral("aturan ") + rule->name() : QStringLiteral("tanpa aturan"));
    if (rule && rule->notLent) {
        text += QStringLiteral(", tidak dipinjamkan.");
    } else {
        text += QStringLiteral(". Jatuh tempo bila dipinjam hari ini: ") + DateInWords(ParseIsoDate(due)) +
                QStringLiteral(". Denda bila kembali %1 hari setelahnya: ").arg(late) +
                (fine.amount ? QString::number(*fine.amount) : QStringLiteral("tidak ada")) +
                (fine.inGrace ? QStringLiteral(" (toleransi)") : QString()) +
                (fine.capped ? QStringLiteral(" (maks. denda)") : QString()) + QLatin1Char('.');
        if (rule && rule->maxItems) text += QStringLiteral(" Paling banyak %1 item.").arg(*rule->maxItems);
    }
    previewResult_->setText(text);
    previewResult_->setAccessibleDescription(text);
}

}  // namespace zelkor
