#include "rules/calendar_form.h"

#include <QCheckBox>
#include <QFile>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "app/app_context.h"
#include "core/dates.h"
#include "db/database.h"
#include "rules/holiday_file.h"
#include "rules/rules_store.h"
#include "ui/grid_view.h"

namespace zelkor {

namespace {

const QString kCaption = QStringLiteral("Hari Libur");
const char* const kDayNames[8] = {"", "Senin", "Selasa", "Rabu", "Kamis", "Jumat", "Sabtu", "Minggu"};

}  // namespace

CalendarForm::CalendarForm(AppContext& ctx, QWidget* parent) : QDialog(parent), ctx_(ctx) {
    setObjectName(QStringLiteral("calendarForm"));
    setWindowTitle(kCaption);
    setModal(true);
    grid_.setColumns(
        {{QStringLiteral("Tanggal"), 100, Align::Center}, {QStringLiteral("Nama"), 300, Align::Left}});
    createControls();
    load();
}

void CalendarForm::createControls() {
    auto* top = new QVBoxLayout(this);
    auto* week = new QHBoxLayout;
    week->addWidget(new QLabel(QStringLiteral("Tutup setiap:"), this));
    for (int d = 1; d <= 7; ++d) {
        closed_[d] = new QCheckBox(QString::fromLatin1(kDayNames[d]), this);
        closed_[d]->setObjectName(QStringLiteral("closed%1").arg(d));
        closed_[d]->setAccessibleName(QStringLiteral("Tutup setiap ") + QString::fromLatin1(kDayNames[d]));
        week->addWidget(closed_[d]);
    }
    week->addStretch();
    top->addLayout(week);
    openDaysOnly_ = new QCheckBox(QStringLiteral("&Keterlambatan hanya menghitung hari buka"), this);
    openDaysOnly_->setObjectName(QStringLiteral("openDaysOnly"));
    renewFromDue_ = new QCheckBox(QStringLiteral("Perpanjangan dihitung dari tanggal &jatuh tempo "
                                                 "(bukan dari hari ini)"),
                                  this);
    renewFromDue_->setObjectName(QStringLiteral("renewFromDue"));
    top->addWidget(openDaysOnly_);
    top->addWidget(renewFromDue_);

    view_ = new GridView(grid_, this);
    view_->setObjectName(QStringLiteral("holidays"));
    view_->setAccessibleName(QStringLiteral("Daftar Hari Libur"));
    view_->setMinimumSize(440, 220);
    view_->applyColumnWidths();
    auto* listLabel = new QLabel(QStringLiteral("Daftar &Hari Libur"), this);
    listLabel->setBuddy(view_);
    top->addWidget(listLabel);
    top->addWidget(view_);

    auto* entry = new QHBoxLayout;
    auto field = [&](const QString& label, const char* object, const QString& name) {
        auto* e = new QLineEdit(this);
        e->setObjectName(QLatin1String(object));
        e->setAccessibleName(name);
        auto* l = new QLabel(label, this);
        l->setBuddy(e);
        entry->addWidget(l);
        entry->addWidget(e);
        return e;
    };
    date_ = field(QStringLiteral("T&anggal"), "date", QStringLiteral("Tanggal"));
    date_->setPlaceholderText(QStringLiteral("dd-mm-yyyy"));
    name_ = field(QStringLiteral("&Nama"), "name", QStringLiteral("Nama Hari Libur"));
    connect(name_, &QLineEdit::returnPressed, this, &CalendarForm::add);
    top->addLayout(entry);

    auto* buttons = new QHBoxLayout;
    auto button = [&](const QString& text, const char* object, auto slot) {
        auto* b = new QPushButton(text, this);
        b->setObjectName(QLatin1String(object));
        b->setAutoDefault(false);
        connect(b, &QPushButton::clicked, this, slot);
        buttons->addWidget(b);
    };
    button(QStringLiteral("&Tambah"), "add", &CalendarForm::add);
    button(QStringLiteral("Ha&pus"), "remove", &CalendarForm::remove);
    button(QStringLiteral("&Impor .csv/.ics"), "import", &CalendarForm::importFile);
    buttons->addStretch();
    button(QStringLiteral("&Simpan"), "save", &CalendarForm::save);
    button(QStringLiteral("Tutup (Es&c)"), "close", &QDialog::reject);
    top->addLayout(buttons);
}

void CalendarForm::load() {
    const LoanSettings s = LoadLoanSettings(ctx_.db());
    for (int d = 1; d <= 7; ++d)
        closed_[d]->setChecked(s.calendar.closedWeekday[static_cast<std::size_t>(d)]);
    openDaysOnly_->setChecked(s.calendar.countOpenDaysOnly);
    renewFromDue_->setChecked(s.renewFromDueDate);
    GridData::Batch batch(grid_);
    ctx_.run(QStringLiteral("select Tanggal, Nama from HariLibur order by Tanggal"), {},
             [&](const DbRow& row) {
                 grid_.appendRow({row.text(0), row.text(1)});
             });
}

// Kept in date order; a date typed again takes the new name.
void CalendarForm::addHoliday(const QDate& date, const QString& name) {
    const QString iso = IsoDate(date);
    int r = 0;
    while (r < grid_.rowCount() && grid_.cell(r, 0) < iso) ++r;
    if (r < grid_.rowCount() && grid_.cell(r, 0) == iso) {
        grid_.setCell(r, 1, name);
        return;
    }
    QStringList after;
    std::vector<QStringList> rows;
    for (int i = 0; i < grid_.rowCount(); ++i) rows.push_back(grid_.row(i));
    rows.insert(rows.begin() + r, QStringList{iso, name});
    GridData::Batch batch(grid_);
    grid_.clearRows();
    for (const QStringList& row : rows) grid_.appendRow(row);
}

void CalendarForm::add() {
    const QDate date = ParseWrittenDate(date_->text().trimmed());
    if (!date.isValid()) {
        ctx_.messages().show(QStringLiteral("Tanggal tidak dikenal, tulis misalnya 25-12-2026.."), kCaption,
                             MsgButtons::Ok, MsgIcon::Warning);
        return;
    }
    addHoliday(date, name_->text().trimmed());
    date_->clear();
    name_->clear();
    date_->setFocus();
}

void CalendarForm::remove() {
    if (grid_.selectedRow() >= 0) grid_.removeRow(grid_.selectedRow());
}

void CalendarForm::importFile() {
    const QString path = ctx_.files().openFile(QStringLiteral("Impor Hari Libur"),
                                               QStringLiteral("Kalender|*.ics|CSV|*.csv|Semua|*.*"),
                                               QStringLiteral("csv"), QString());
    if (path.isEmpty()) return;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        ctx_.messages().show(QStringLiteral("File tidak dapat dibuka: ") + file.errorString(), kCaption,
                             MsgButtons::Ok, MsgIcon::Warning);
        return;
    }
    const HolidayFile read = ReadHolidayFile(path, QString::fromUtf8(file.readAll()));
    for (const Holiday& h : read.holidays) addHoliday(h.date, h.name);
    QString text =
        QStringLiteral("%1 hari libur dibaca, tekan Simpan untuk menyimpannya..").arg(read.holidays.size());
    if (!read.badLines.isEmpty())
        text += QStringLiteral("\n\nBaris yang tidak dapat dibaca (%1):\n").arg(read.badLines.size()) +
                read.badLines.mid(0, 20).join(QLatin1Char('\n'));
    ctx_.messages().info(text, kCaption);
}

void CalendarForm::save() {
    QStringList closed;
    for (int d = 1; d <= 7; ++d)
        if (closed_[d]->isChecked()) closed << QString::number(d);
    Database& db = ctx_.db();
    DbResult r;
    {
        Transaction tx(db);
        r = tx.active() ? db.exec(QStringLiteral("delete from HariLibur")) : tx.beginResult();
        for (int i = 0; r && i < grid_.rowCount(); ++i)
            r = db.exec(QStringLiteral("insert into HariLibur (Tanggal, Nama) values (?, ?)"),
                        {grid_.cell(i, 0), grid_.cell(i, 1)});
        if (r) r = SetLoanSetting(db, kSettingClosedDays, closed.join(QLatin1Char(',')));
        if (r) r = SetLoanSetting(db, kSettingOpenDaysOnly, openDaysOnly_->isChecked() ? "1" : "0");
        if (r) r = SetLoanSetting(db, kSettingRenewFromDue, renewFromDue_->isChecked() ? "1" : "0");
        if (r) r = tx.commit();
    }
    if (!r) {
        ctx_.sqlError(r.error);
        return;
    }
    ctx_.messages().info(QStringLiteral("Hari libur berhasil disimpan.."), kCaption);
}

}  // namespace zelkor
