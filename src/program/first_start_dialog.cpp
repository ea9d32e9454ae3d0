#include "program/first_start_dialog.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QVBoxLayout>

#include "admin/busy_cursor.h"
#include "app/startup.h"
#include "program/first_start.h"
#include "ui/scaling.h"

namespace zelkor {

namespace {
enum Page { NewPage, OpenPage, SamplePage };
const QString kDbFilter = QStringLiteral("Database files (*.db3)|*.db3|All Files (*.*)|*.*");

QString withoutMnemonic(QString text) {
    return text.remove('&');
}
}  // namespace

FirstStartDialog::FirstStartDialog(const Places& places, const QString& problem, FileDialogs& files,
                                   const QDate& today, QWidget* parent)
    : QDialog(parent), places_(places), files_(files), today_(today) {
    setObjectName(QStringLiteral("FORM_ZELKOR_FIRSTSTART_CLASS"));
    setWindowTitle(QStringLiteral("Selamat Datang"));
    createControls(problem);
    name_->setFocus();
}

void FirstStartDialog::createControls(const QString& problem) {
    auto* intro = new QLabel(
        problem.isEmpty()
            ? QStringLiteral(
                  "Selamat datang di Zelkor + Rental. Belum ada database perpustakaan, pilih salah "
                  "satu:")
            : QStringLiteral("Database perpustakaan tidak dapat dibuka: %1\nPilih database lain atau buat "
                             "yang baru:")
                  .arg(problem),
        this);
    intro->setObjectName(QStringLiteral("intro"));
    intro->setWordWrap(true);
    newChoice_ = new QRadioButton(QStringLiteral("&Buat perpustakaan baru"), this);
    openChoice_ = new QRadioButton(QStringLiteral("Buka &database yang sudah ada"), this);
    sampleChoice_ = new QRadioButton(QStringLiteral("Coba perpustakaan &contoh"), this);
    newChoice_->setObjectName(QStringLiteral("newChoice"));
    openChoice_->setObjectName(QStringLiteral("openChoice"));
    sampleChoice_->setObjectName(QStringLiteral("sampleChoice"));
    newChoice_->setChecked(true);
    pages_ = new QStackedWidget(this);
    pages_->addWidget(createNewPage());
    pages_->addWidget(createOpenPage());
    pages_->addWidget(createSamplePage());
    for (QRadioButton* r : {newChoice_, openChoice_, sampleChoice_})
        connect(r, &QRadioButton::toggled, this, &FirstStartDialog::choose);

    refusal_ = new QLabel(this);
    refusal_->setObjectName(QStringLiteral("refusal"));
    refusal_->setAccessibleName(QStringLiteral("Alasan"));
    refusal_->setWordWrap(true);
    refusal_->setStyleSheet(QStringLiteral("color: #b00000"));

    auto* buttons = new QDialogButtonBox(this);
    auto* next = buttons->addButton(QStringLiteral("&Lanjut"), QDialogButtonBox::AcceptRole);
    auto* quit = buttons->addButton(QStringLiteral("&Keluar"), QDialogButtonBox::RejectRole);
    next->setObjectName(QStringLiteral("next"));
    quit->setObjectName(QStringLiteral("quit"));
    next->setDefault(true);
    connect(next, &QPushButton::clicked, this, &FirstStartDialog::proceed);
    connect(quit, &QPushButton::clicked, this, &QDialog::reject);

    auto* all = new QVBoxLayout(this);
    all->addWidget(intro);
    all->addWidget(newChoice_);
    all->addWidget(openChoice_);
    all->addWidget(sampleChoice_);
    all->addWidget(pages_);
    all->addWidget(refusal_);
    all->addWidget(buttons);
    setMinimumWidth(Scaled(this, 520));
}

QLineEdit* FirstStartDialog::addField(QFormLayout* form, const QString& label, const char* name) {
    auto* field = new QLineEdit;
    field->setObjectName(QLatin1String(name));
    field->setAccessibleName(withoutMnemonic(label));
    auto* caption = new QLabel(label);
    caption->setBuddy(field);
    form->addRow(caption, field);
    return field;
}

QWidget* FirstStartDialog::createNewPage() {
    auto* page = new QWidget;
    auto* form = new QFormLayout(page);
    name_ = addField(form, QStringLiteral("&Nama Perpustakaan"), "libraryName");
    address_ = addField(form, QStringLiteral("&Alamat Perpustakaan"), "libraryAddress");
    phone_ = addField(form, QStringLiteral("Kontak &Telp"), "libraryPhone");
    email_ = addField(form, QStringLiteral("&Email"), "libraryEmail");
    password_ = addField(form, QStringLiteral("&Password admin"), "password");
    repeat_ = addField(form, QStringLiteral("&Ulangi Password"), "repeatPassword");
    password_->setEchoMode(QLineEdit::Password);
    repeat_->setEchoMode(QLineEdit::Password);
    password_->setToolTip(QStringLiteral("Password user admin, minimal %1 karakter").arg(kMinPasswordLength));
    // As in "Identitas Perpustakaan": the name is kept in capitals.
    connect(name_, &QLineEdit::textEdited, name_, [this](const QString& text) {
        const int at = name_->cursorPosition();
        name_->setText(text.toUpper());
        name_->setCursorPosition(at);
    });
    newPath_ = addField(form, QStringLiteral("&Simpan di"), "newPath");
    newPath_->setText(QDir(places_.dataDir).filePath(QLatin1String(kNewLibraryFileName)));
    auto* browse = new QPushButton(QStringLiteral("P&ilih File..."));
    browse->setObjectName(QStringLiteral("browseNew"));
    connect(browse, &QPushButton::clicked, this, &FirstStartDialog::browseNew);
    form->addRow(QString(), browse);
    return page;
}

QWidget* FirstStartDialog::createOpenPage() {
    auto* page = new QWidget;
    auto* form = new QFormLayout(page);
    openPath_ = addField(form, QStringLiteral("&File Database"), "openPath");
    auto* browse = new QPushButton(QStringLiteral("Ca&ri Database"));
    browse->setObjectName(QStringLiteral("browseOpen"));
    connect(browse, &QPushButton::clicked, this, &FirstStartDialog::browseOpen);
    form->addRow(QString(), browse);
    return page;
}

QWidget* FirstStartDialog::createSamplePage() {
    auto* text = new QLabel(
        QStringLiteral(
            "Perpustakaan contoh berisi data contoh (item, member, transaksi dan kas) untuk mencoba "
            "program, disimpan sebagai %1. Login sebagai admin dengan password admin.")
            .arg(QDir(places_.dataDir).filePath(QLatin1String(kSampleLibraryFileName))));
    text->setObjectName(QStringLiteral("sampleText"));
    text->setWordWrap(true);
    return text;
}

void FirstStartDialog::choose() {
    pages_->setCurrentIndex(openChoice_->isChecked()     ? OpenPage
                            : sampleChoice_->isChecked() ? SamplePage
                                                         : NewPage);
    refusal_->clear();
}

void FirstStartDialog::browseNew() {
    const QString path = files_.saveFile(QStringLiteral("Simpan Database Baru"), kDbFilter,
                                         QStringLiteral("db3"), places_.dataDir);
    if (!path.isEmpty()) newPath_->setText(path);
}

void FirstStartDialog::browseOpen() {
    const QString path = files_.openFile(QStringLiteral("Cari dan Pilih File Database"), kDbFilter,
                                         QStringLiteral("db3"), places_.dataDir);
    if (!path.isEmpty()) openPath_->setText(path);
}

void FirstStartDialog::refuse(const QString& why) {
    refusal_->setText(QStringLiteral("Gagal: ") + why);
}

void FirstStartDialog::proceed() {
    refusal_->clear();
    const bool done = openChoice_->isChecked()     ? takeExisting()
                      : sampleChoice_->isChecked() ? makeSample()
                                                   : makeNew();
    if (done) accept();
}

bool FirstStartDialog::makeNew() {
    NewLibrary lib;
    lib.identity = Identity{name_->text().trimmed(), address_->text().trimmed(), phone_->text().trimmed(),
                            email_->text().trimmed(), QStringLiteral("-")};
    lib.password = password_->text();
    lib.repeat = repeat_->text();
    lib.path = QDir(places_.dataDir).filePath(newPath_->text().trimmed());
    QString why = NewLibraryProblem(lib);
    if (why.isEmpty()) {
        BusyCursor busy;
        if (MakeNewLibrary(lib, &why) && RecordLibrary(places_.configDir, lib.path, &lib.identity, &why))
            return true;
    }
    refuse(why);
    if (why.contains(QLatin1String("password"))) password_->setFocus();
    return false;
}

bool FirstStartDialog::takeExisting() {
    const QString text = openPath_->text().trimmed();
    const QString path = text.isEmpty() ? text : QDir(places_.dataDir).filePath(text);
    QString why;
    {
        BusyCursor busy;
        why = ExistingLibraryProblem(path);
        if (why.isEmpty() && RecordLibrary(places_.configDir, path, nullptr, &why)) return true;
    }
    refuse(why);
    return false;
}

bool FirstStartDialog::makeSample() {
    const QString path = QDir(places_.dataDir).filePath(QLatin1String(kSampleLibraryFileName));
    const Identity identity = SampleIdentity();
    QString why;
    {
        BusyCursor busy;
        if (MakeSampleLibrary(path, today_, &why) && RecordLibrary(places_.configDir, path, &identity, &why))
            return true;
    }
    refuse(why);
    return false;
}

std::unique_ptr<AppContext> StartUpForUser(const Places& places, const QString& programDir,
                                           AppServices services) {
    for (;;) {
        QString problem;
        if (auto ctx = StartUp(places, programDir, services, &problem)) return ctx;
        FirstStartDialog dialog(places, problem, services.files, services.clock.now().date());
        if (dialog.exec() != QDialog::Accepted) return nullptr;
    }
}

}  // namespace zelkor
