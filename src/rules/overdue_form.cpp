#include "rules/overdue_form.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QToolBar>
#include <QVBoxLayout>

#include "app/app_context.h"
#include "core/dates.h"
#include "db/row_sinks.h"
#include "printing/print_runner.h"
#include "reports/grid_export.h"
#include "rules/overdue_letters.h"
#include "ui/grid_view.h"
#include "ui/list_toolbar.h"

namespace zelkor {

namespace {

const QString kCaption = QStringLiteral("Daftar Keterlambatan");

// A text shown for copying: selected whole, copied to the clipboard by a button.
void ShowTextToCopy(QWidget* parent, const QString& title, const QString& text) {
    QDialog dialog(parent);
    dialog.setWindowTitle(title);
    auto* layout = new QVBoxLayout(&dialog);
    auto* edit = new QPlainTextEdit(text, &dialog);
    edit->setAccessibleName(title);
    edit->setReadOnly(true);
    edit->setMinimumSize(640, 360);
    layout->addWidget(edit);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, &dialog);
    auto* copy = buttons->addButton(QStringLiteral("&Salin"), QDialogButtonBox::ActionRole);
    QObject::connect(copy, &QPushButton::clicked, [text] { QApplication::clipboard()->setText(text); });
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    layout->addWidget(buttons);
    edit->selectAll();
    edit->setFocus();
    dialog.exec();
}

}  // namespace

OverdueForm::OverdueForm(AppContext& ctx, QWidget* parent) : QWidget(parent), ctx_(ctx) {
    setObjectName(QLatin1String(kWindowClass));
    setWindowTitle(kCaption);
    grid_.setColumns({{QStringLiteral("No."), 50, Align::Left},
                      {QStringLiteral("Id Member"), 90, Align::Left},
                      {QStringLiteral("Nama"), 160, Align::Left},
                      {QStringLiteral("Kelas/Kategori"), 100, Align::Left},
                      {QStringLiteral("Id Item"), 90, Align::Left},
                      {QStringLiteral("Nama Item"), 220, Align::Left},
                      {QStringLiteral("Tgl. Kembali"), 90, Align::Center},
                      {QStringLiteral("Terlambat"), 70, Align::Right},
                      {QStringLiteral("Denda"), 90, Align::Right}});
    createControls();
    showList();
}

void OverdueForm::createControls() {
    auto* top = new QVBoxLayout(this);
    QToolBar* bar = CreateListToolbar(this, "overdueToolbar");
    AddToolCommand(bar, this, "exportExcel", "IMAGE_DOCEXCEL", QStringLiteral("Export Ke Excel"),
                   QKeySequence(Qt::CTRL | Qt::Key_E));
    AddToolCommand(bar, this, "browser", "IMAGE_EXCEL", QStringLiteral("Cetak Ke Broswer"),
                   QKeySequence(Qt::CTRL | Qt::Key_B));
    AddToolCommand(bar, this, "letters", "IMAGE_PRINTER", QStringLiteral("Cetak Surat"),
                   QKeySequence(Qt::CTRL | Qt::Key_P));
    AddToolCommand(bar, this, "chat", "IMAGE_DATA_EDIT", QStringLiteral("Teks Pesan"),
                   QKeySequence(Qt::CTRL | Qt::Key_M));
    AddToolCommand(bar, this, "editTexts", "IMAGE_DATA_ADD", QStringLiteral("Ubah Teks Surat dan Pesan"),
                   QKeySequence(Qt::CTRL | Qt::Key_U));
    const QList<QAction*> actions = bar->actions();
    connect(actions.value(0), &QAction::triggered, this, &OverdueForm::exportList);
    connect(actions.value(1), &QAction::triggered, this, &OverdueForm::toBrowser);
    connect(actions.value(2), &QAction::triggered, this, &OverdueForm::printLetters);
    connect(actions.value(3), &QAction::triggered, this, &OverdueForm::showChatTexts);
    connect(actions.value(4), &QAction::triggered, this, &OverdueForm::editTexts);
    top->addWidget(bar);

    auto* row = new QHBoxLayout;
    date_ = new QLineEdit(
        IsoDate(ParseIsoDate(ctx_.todayText).isValid() ? ParseIsoDate(ctx_.todayText) : ctx_.clock().today()),
        this);
    date_->setObjectName(QStringLiteral("date"));
    date_->setAccessibleName(QStringLiteral("Terlambat pada tanggal"));
    auto* dateLabel = new QLabel(QStringLiteral("Terlambat pada &tanggal"), this);
    dateLabel->setBuddy(date_);
    auto* go = new QPushButton(QStringLiteral("Tampi&lkan"), this);
    go->setObjectName(QStringLiteral("show"));
    paper_ = new QComboBox(this);
    paper_->setObjectName(QStringLiteral("paper"));
    paper_->setAccessibleName(QStringLiteral("Kertas Surat"));
    paper_->addItems({QStringLiteral("A4"), QStringLiteral("Setengah A4")});
    auto* paperLabel = new QLabel(QStringLiteral("&Kertas Surat"), this);
    paperLabel->setBuddy(paper_);
    row->addWidget(dateLabel);
    row->addWidget(date_);
    row->addWidget(go);
    row->addSpacing(24);
    row->addWidget(paperLabel);
    row->addWidget(paper_);
    row->addStretch();
    top->addLayout(row);
    connect(go, &QPushButton::clicked, this, &OverdueForm::showList);
    connect(date_, &QLineEdit::returnPressed, this, &OverdueForm::showList);

    view_ = new GridView(grid_, this);
    view_->setObjectName(QStringLiteral("overdue"));
    view_->setAccessibleName(kCaption);
    view_->applyColumnWidths();
    top->addWidget(view_);
}

QDate OverdueForm::chosenDate() const {
    return ParseWrittenDate(date_->text().trimmed());
}

void OverdueForm::showList() {
    const QDate date = chosenDate();
    if (!date.isValid()) {
        ctx_.messages().show(QStringLiteral("Tanggal tidak dikenal, tulis misalnya 25-12-2026.."), kCaption,
                             MsgButtons::Ok, MsgIcon::Warning);
        return;
    }
    DbResult r;
    members_ = OverdueAt(ctx_.db(), LoadLoanSettings(ctx_.db()), date, &r);
    shownDate_ = date;
    if (!r) ctx_.sqlError(r.error);
    GridData::Batch batch(grid_);
    grid_.clearRows();
    // Straight into the grid's storage, the numbers too: no QString per cell.
    char16_t number[16], late[24], fine[24];
    for (const OverdueMember& m : members_)
        for (const OverdueLoan& l : m.loans) {
            GridData::NewRow cells(grid_);
            cells.add(RowNumberText(grid_.rowCount() + 1, number));
            for (const QString* text : {&m.id, &m.nama, &m.kategori, &l.itemId, &l.namaItem, &l.due})
                cells.add(*text);
            cells.add(WholeNumberText(l.lateDays, late));
            cells.add(l.fine ? WholeNumberText(*l.fine, fine) : QStringView());
        }
}

void OverdueForm::printLetters() {
    if (members_.empty()) {
        ctx_.messages().info(QStringLiteral("Tidak ada yang terlambat pada tanggal ini.."), kCaption);
        return;
    }
    const LoanSettings settings = LoadLoanSettings(ctx_.db());
    const LetterHead head{ctx_.libraryName, ctx_.libraryAddress};
    std::vector<PrintLayout> pages;
    for (const OverdueMember& m : members_)
        pages.push_back(OverdueLetter(head, LetterText(settings, m, shownDate_), m, shownDate_,
                                      paper_->currentIndex() == 1));
    PrintLayouts(ctx_, pages);
}

QString OverdueForm::chatTexts() const {
    const LoanSettings settings = LoadLoanSettings(ctx_.db());
    QStringList out;
    for (const OverdueMember& m : members_)
        out << m.id + QStringLiteral(" ") + m.nama + QStringLiteral(":\n") +
                   ChatText(settings, m, shownDate_);
    return out.join(QStringLiteral("\n\n"));
}

void OverdueForm::showChatTexts() {
    ShowTextToCopy(this, QStringLiteral("Teks Pesan"), chatTexts());
}

void OverdueForm::editTexts() {
    const LoanSettings settings = LoadLoanSettings(ctx_.db());
    QDialog dialog(this);
    dialog.setWindowTitle(QStringLiteral("Teks Surat dan Pesan"));
    auto* layout = new QVBoxLayout(&dialog);
    auto* hint = new QLabel(QStringLiteral("Kosong: teks bawaan. {nama}, {item}, {denda} dan {tanggal} diisi "
                                           "untuk setiap member."),
                            &dialog);
    layout->addWidget(hint);
    auto text = [&](const QString& label, const QString& value) {
        auto* edit = new QPlainTextEdit(value, &dialog);
        edit->setAccessibleName(QString(label).remove(QLatin1Char('&')));
        edit->setTabChangesFocus(true);
        auto* l = new QLabel(label, &dialog);
        l->setBuddy(edit);
        layout->addWidget(l);
        layout->addWidget(edit);
        return edit;
    };
    QPlainTextEdit* letter = text(QStringLiteral("Teks &Surat"), settings.letterText);
    QPlainTextEdit* chat = text(QStringLiteral("Teks &Pesan"), settings.chatText);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Save | QDialogButtonBox::Cancel, &dialog);
    connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    layout->addWidget(buttons);
    if (dialog.exec() != QDialog::Accepted) return;
    DbResult r = SetLoanSetting(ctx_.db(), kSettingLetterText, letter->toPlainText());
    if (r) r = SetLoanSetting(ctx_.db(), kSettingChatText, chat->toPlainText());
    if (!r) ctx_.sqlError(r.error);
}

void OverdueForm::exportList() {
    ctx_.exportGrid = &grid_;
    ExportGridToSpreadsheet(ctx_);
}

void OverdueForm::toBrowser() {
    ReportGridToBrowser(ctx_, kCaption + QStringLiteral(" ") + DateInWords(shownDate_), grid_);
}

}  // namespace zelkor
