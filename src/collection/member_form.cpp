#include "member_form.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

#include "app/app_context.h"
#include "collection/date_field.h"
#include "collection/record_rules.h"
#include "ui/scaling.h"

namespace zelkor {

namespace {

// The picker shows no date at this one: the stored text is not a date it can show.
const QDate kNoDate(1900, 1, 1);
const QString kDateFormat = QStringLiteral("yyyy-MM-dd");

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
    birth_ = new DateField(ctx().clock().today(), this);
    birth_->setObjectName(QStringLiteral("tglLahir"));
    birth_->setAccessibleName(QStringLiteral("Tanggal Lahir"));
    birth_->setMinimumDate(kNoDate);
    birth_->setSpecialValueText(QStringLiteral(" "));
    birth_->setFixedSize(Scaled(this, 191), Scaled(this, 22));
    // A date picked by the operator replaces a stored text the picker could not show.
    connect(birth_, &QDateEdit::dateChanged, this, [this](const QDate& d) {
        if (d != kNoDate) birthAsStored_.clear();
    });
    addRow(
        QStringLiteral("Tanggal Lahir"), birth_,
        {[this] { return birth_->date() == kNoDate ? birthAsStored_ : birth_->date().toString(kDateFormat); },
         [this](const QString& t) {
             const QDate d = BirthDateOf(t);
             if (d.isValid() && d > kNoDate) {
                 birth_->setDate(d);
             } else {
                 birth_->setDate(kNoDate);
                 birthAsStored_ = t;
             }
         },
         // A new record keeps the date shown, for the next member born that day.
         [this] { birthAsStored_.clear(); }},
        {birth_});
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
