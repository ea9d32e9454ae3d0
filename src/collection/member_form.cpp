#include "member_form.h"

#include <QAction>
#include <QCalendarWidget>
#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QStyle>

#include "app/app_context.h"
#include "collection/record_rules.h"
#include "collection/record_toolbar.h"
#include "core/dates.h"
#include "labels/card_dialog.h"
#include "ui/scaling.h"

namespace zelkor {

namespace {

const QString kBirthLabel = QStringLiteral("Tanggal Lahir");
const QString kBadBirthDate = QStringLiteral(
    "Tanggal Lahir \"%1\" bukan tanggal yang ada. Tulislah seperti 15-08-2012 atau 2012-08-15..");

RecordFormDesign MemberDesign() {
    RecordFormDesign s;
    s.windowClass = QLatin1String(MemberForm::kWindowClass);
    s.title = QStringLiteral("Form Data Member Perpustakaan");
    s.boxTitle = QStringLiteral("Formulir Data Member");
    s.table = QStringLiteral("Member");
    s.recordWord = QStringLiteral("member");
    s.movementColumn = QStringLiteral("IdMember");
    s.columns = {{"Id", "Id", 80, Align::Left},
                 {"Nama", "Nama_Member", 180, Align::Left},
                 {"LP", "Jenis_Kelamin", 100, Align::Left},
                 {"TmpLahir", "Tmp_Lahir", 100, Align::Left},
                 {"TglLahir", "Tgl_Lahir", 100, Align::Center},
                 {"Alamat", "Alamat", 100, Align::Left},
                 {"Kategori", "Kategori", 100, Align::Left},
                 {"DurasiPinjam", "Durasi", 100, Align::Center},
                 {"Status", "Status", 100, Align::Center}};
    s.searched = {"Id", "Nama", "TmpLahir", "Alamat", "Kategori"};
    s.reportTitle = QStringLiteral("LAPORAN DATA MEMBER PERPUSTAKAAN");
    s.addTip = QStringLiteral("Tambah Data Member Baru");
    s.saveTip = QStringLiteral("Edit / Ubah Data Member");
    s.deleteTip = QStringLiteral("Hapus Item Data Member");
    s.paperCommand = RecordCommand::Cards;
    s.labelWidth = 97;
    s.fieldWidth = 190;
    s.newRecordClearsSearch = true;
    return s;
}

QHBoxLayout* Row(QWidget* container) {
    auto* layout = new QHBoxLayout(container);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    return layout;
}

}  // namespace

MemberForm::MemberForm(AppContext& ctx, QWidget* parent) : RecordForm(ctx, MemberDesign(), parent) {
    QLineEdit* code = addTextRow(QStringLiteral("Id Member"), "code");
    QLineEdit* name = addTextRow(QStringLiteral("Nama Member"), "name");
    addGenderRow();
    addTextRow(QStringLiteral("Tempat Lahir"), "tmpLahir");
    addBirthDateRow();
    addTextRow(QStringLiteral("Alamat"), "alamat");
    addPickRow(QStringLiteral("Kategori"), "categoryList", "category", 94, 94,
               QStringLiteral("select Kategori from Member Group By Kategori"));
    addDaysRow();
    addStatusRow();
    open(code, name);
}

void MemberForm::addGenderRow() {
    auto* pair = new QWidget(this);
    male_ = new QRadioButton(kMale, pair);
    male_->setObjectName(QStringLiteral("male"));
    female_ = new QRadioButton(kFemale, pair);
    female_->setObjectName(QStringLiteral("female"));
    male_->setFixedWidth(Scaled(this, 96));
    QHBoxLayout* layout = Row(pair);
    layout->addWidget(male_);
    layout->addWidget(female_);
    male_->setChecked(true);
    addRow(QStringLiteral("Jenis Kelamin"), pair,
           {[this] { return male_->isChecked() ? kMale : kFemale; },
            [this](const QString& t) { (ShowsAsMale(t) ? male_ : female_)->setChecked(true); },
            [this] { male_->setChecked(true); }},
           {male_, female_});
}

void MemberForm::addBirthDateRow() {
    // A text field, not a picker: a date is typed the way it is written, day first
    // (15-08-2012) as well as year first, and a day that does not exist is refused
    // on saving instead of being turned into another one.
    birth_ = newField(kBirthLabel, "tglLahir", 191);
    birth_->setPlaceholderText(QStringLiteral("dd-mm-yyyy"));
    auto* pick =
        new QAction(style()->standardIcon(QStyle::SP_ArrowDown), QStringLiteral("Pilih Tanggal"), birth_);
    pick->setObjectName(QStringLiteral("pickBirthDate"));
    pick->setShortcut(QKeySequence(Qt::ALT | Qt::Key_Down));
    pick->setShortcutContext(Qt::WidgetShortcut);
    pick->setToolTip(QStringLiteral("Pilih Tanggal (Alt+Down)"));
    birth_->addAction(pick, QLineEdit::TrailingPosition);
    connect(pick, &QAction::triggered, this, &MemberForm::pickBirthDate);
    addRow(kBirthLabel, birth_,
           {[this] {
                const QDate d = ParseWrittenDate(birth_->text());
                return d.isValid() ? IsoDate(d) : birth_->text().trimmed();
            },
            [this](const QString& t) {
                birth_->setText(t);
                birthAsStored_ = t;
            },
            // A new record keeps the date shown, for the next member born that day.
            [this] {
                if (!ParseWrittenDate(birth_->text()).isValid()) birth_->clear();
                birthAsStored_.clear();
            }},
           {birth_});
}

void MemberForm::pickBirthDate() {
    auto* calendar = new QCalendarWidget(this);
    calendar->setWindowFlags(Qt::Popup);
    calendar->setAttribute(Qt::WA_DeleteOnClose);
    calendar->setAccessibleName(kBirthLabel);
    const QDate shown = ParseWrittenDate(birth_->text());
    calendar->setSelectedDate(shown.isValid() ? shown : ctx().clock().today());
    connect(calendar, &QCalendarWidget::activated, this, [this, calendar](const QDate& d) {
        birth_->setText(IsoDate(d));
        calendar->close();
        birth_->setFocus();
    });
    calendar->move(birth_->mapToGlobal(QPoint(0, birth_->height())));
    calendar->show();
    calendar->setFocus();
}

// The chosen member, and every member the search found (a class, by its category).
void MemberForm::printOnPaper() {
    const int id = gridColumnOf(QStringLiteral("Id")), name = gridColumnOf(QStringLiteral("Nama")),
              category = gridColumnOf(QStringLiteral("Kategori")),
              days = gridColumnOf(QStringLiteral("DurasiPinjam"));
    const auto card = [&](int row) {
        return MemberCard{grid().cell(row, id), grid().cell(row, name), grid().cell(row, category),
                          grid().cell(row, days)};
    };
    std::vector<MemberCard> chosen, found;
    for (int row = 0; row < grid().rowCount(); ++row) found.push_back(card(row));
    if (const int row = grid().selectedRow(); row >= 0) chosen.push_back(card(row));
    PrintMemberCards(ctx(), this, chosen, found);
}

QString MemberForm::refusal() const {
    const QString typed = birth_->text().trimmed();
    // A text stored long ago that is no date stays as it was while nobody touches it.
    if (typed.isEmpty() || typed == birthAsStored_.trimmed() || ParseWrittenDate(typed).isValid()) return {};
    return kBadBirthDate.arg(typed);
}

void MemberForm::addDaysRow() {
    auto* pair = new QWidget(this);
    QLineEdit* days = newField(QStringLiteral("Durasi Pinjam"), "durasi", 52, true);
    QHBoxLayout* layout = Row(pair);
    layout->addWidget(days);
    layout->addSpacing(Scaled(this, 4));
    layout->addWidget(new QLabel(QStringLiteral("hari"), pair));
    addRow(QStringLiteral("Durasi Pinjam"), pair, textEntry(days), {days});
}

void MemberForm::addStatusRow() {
    active_ = new QCheckBox(QStringLiteral("Aktif"), this);
    active_->setObjectName(QStringLiteral("aktif"));
    addRow(QStringLiteral("Status"), active_,
           {[this] { return StatusText(active_->isChecked()); },
            [this](const QString& t) { active_->setChecked(ShowsAsActive(t)); },
            [this] { active_->setChecked(false); }},
           {active_});
}

}  // namespace zelkor
