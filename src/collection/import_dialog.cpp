#include "collection/import_dialog.h"

#include <QComboBox>
#include <QDir>
#include <QEventLoop>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressDialog>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>
#include <atomic>
#include <thread>

#include "app/app_context.h"
#include "collection/import_module.h"
#include "collection/import_save.h"
#include "collection/pick_list.h"
#include "ui/grid_view.h"
#include "ui/scaling.h"

namespace zelkor {

namespace {

const QString kTitle = QStringLiteral("Impor Data");
const QString kFileTitle = QStringLiteral("Cari dan Pili File Excel");
// "Excel files (*.xls)" stays first, as it always was, but shows every workbook the
// reader takes: a first-time user whose list is an .xlsx must not find the folder
// empty. An entry for each format follows.
const QString kFileFilter = QStringLiteral(
    "Excel files (*.xls)|*.xls;*.xlsx;*.ods;*.csv|Excel 97-2003 (*.xls)|*.xls|Excel 2007-365 (*.xlsx)|*.xlsx|"
    "LibreOffice Calc (*.ods)|*.ods|CSV (*.csv)|*.csv|All Files (*.*)|*.*");
const QString kQuestion = QStringLiteral(
    "Proses ini membutuhkan pengecekan data yang valid, sebelum melanjutkan ke proses penyimpanan "
    "mohon teliti terlebih dahulu Id/Kode/Induk agar tidak sama persis dengan data sudah di input "
    "sebelumnya\rYakin dengan data anda?, data yang tidak yang valid tidak akan ter-input dalam database.");
const QString kQuestionCaption = QStringLiteral("Import Data dari Excel");

// A read or a save that takes longer than this shows a progress dialog.
constexpr int kProgressAfterMs = 500;

// A progress dialog over `owner`, shown once kProgressAfterMs have passed, until it goes.
std::unique_ptr<QProgressDialog> Progress(QWidget* owner, const QString& label, int maximum) {
    auto p = std::make_unique<QProgressDialog>(label, QString(), 0, maximum, owner);
    p->setWindowTitle(kTitle);
    p->setWindowModality(Qt::WindowModal);
    p->setMinimumDuration(kProgressAfterMs);
    p->setAutoClose(false);
    p->setAutoReset(false);
    return p;
}

}  // namespace

ImportDialog::ImportDialog(AppContext& ctx, QWidget* owner, std::function<void()> closed)
    : QDialog(owner), ctx_(ctx), closed_(std::move(closed)), kind_(ImportKindOf(ctx.importTarget)) {
    setObjectName(QStringLiteral("FORM_ZELKOR_FORMIMPORT_CLASS"));
    setWindowTitle(kTitle);
    // A caption without a close box: "Tutup" (or Esc) is the way out.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setModal(true);
    setFont(FontFromText(QStringLiteral("Arial,9,0")));
    grid_.setColumns(ImportColumns(kind_));
    createControls();
    createLayout();
    loadCategories();
}

ImportDialog::~ImportDialog() = default;

void ImportDialog::createControls() {
    path_ = new QLineEdit(this);
    path_->setObjectName(QStringLiteral("path"));
    path_->setReadOnly(true);
    path_->setAccessibleName(QStringLiteral("Direkrori Path"));
    path_->setToolTip(QStringLiteral("Klik Tombol Browse File Excel"));

    browse_ = new QPushButton(QStringLiteral("&Browse File Excel"), this);
    browse_->setObjectName(QStringLiteral("browse"));
    browse_->setToolTip(
        QStringLiteral("Carilah File Excel dengan format yang sudah tersedia dalam folder import siswa, "
                       "kemudian pilih kelas "
                       "siswa, isi jurusan serta kategori."));
    connect(browse_, &QPushButton::clicked, this, &ImportDialog::browse);

    view_ = new GridView(grid_, this);
    view_->setObjectName(QStringLiteral("grid"));
    view_->setAccessibleName(kTitle);
    view_->setSelectionMode(QAbstractItemView::ExtendedSelection);

    auto* list = new QComboBox(this);
    list->setObjectName(QStringLiteral("categoryList"));
    list->setAccessibleName(QStringLiteral("Kategori"));
    auto* field = new QLineEdit(this);
    field->setObjectName(QStringLiteral("category"));
    field->setAccessibleName(QStringLiteral("Kategori baru"));
    field->setToolTip(QStringLiteral("Jurusan Wajib Di Isi Apabila Jenjang Sekolah SMA"));
    category_ = new PickList(list, field, this);
    // Items have no category.
    list->setEnabled(kind_ == ImportKind::Members);
    field->setEnabled(kind_ == ImportKind::Members);

    save_ = new QPushButton(QStringLiteral("&Simpan Data Ke Database"), this);
    save_->setObjectName(QStringLiteral("save"));
    save_->setToolTip(
        QStringLiteral("Simpan ke Database, aplikasi hanya akan menyimpan data siswa yang valid berupa Id "
                       "Siswa tidak ganda."));
    connect(save_, &QPushButton::clicked, this, &ImportDialog::save);

    close_ = new QPushButton(QStringLiteral("&Tutup"), this);
    close_->setObjectName(QStringLiteral("close"));
    connect(close_, &QPushButton::clicked, this, &ImportDialog::closeImport);
    for (QPushButton* b : {browse_, save_, close_}) b->setAutoDefault(false);
}

void ImportDialog::createLayout() {
    // The controls stand on a body of their own, so that a busy dialog can set them
    // aside while its progress dialog stays alive.
    body_ = new QWidget(this);
    auto* frame = new QVBoxLayout(this);
    frame->setContentsMargins(0, 0, 0, 0);
    frame->addWidget(body_);
    auto* outer = new QVBoxLayout(body_);
    outer->setContentsMargins(Scaled(this, 8), Scaled(this, 8), Scaled(this, 8), Scaled(this, 8));
    outer->setSpacing(Scaled(this, 4));

    auto* top = new QHBoxLayout;
    auto* pathLabel = new QLabel(QStringLiteral("&Direkrori Path : "), this);
    pathLabel->setBuddy(path_);
    top->addSpacing(Scaled(this, 16));
    top->addWidget(pathLabel);
    top->addWidget(path_, 1);
    browse_->setFixedSize(Scaled(this, 160), Scaled(this, 23));
    top->addWidget(browse_);
    outer->addLayout(top);

    view_->setMinimumSize(Scaled(this, 1002), Scaled(this, 460));
    outer->addWidget(view_, 1);

    auto* bottom = new QHBoxLayout;
    auto* categoryLabel = new QLabel(QStringLiteral("&Kategori"), this);
    categoryLabel->setBuddy(category_->list());
    categoryLabel->setFixedWidth(Scaled(this, 64));
    bottom->addSpacing(Scaled(this, 24));
    bottom->addWidget(categoryLabel);
    category_->list()->setFixedWidth(Scaled(this, 81));
    bottom->addWidget(category_->list());
    category_->field()->setFixedWidth(Scaled(this, 162));
    bottom->addWidget(category_->field());
    bottom->addStretch(1);
    save_->setFixedSize(Scaled(this, 200), Scaled(this, 24));
    bottom->addWidget(save_);
    bottom->addSpacing(Scaled(this, 14));
    close_->setFixedSize(Scaled(this, 100), Scaled(this, 24));
    bottom->addWidget(close_);
    outer->addLayout(bottom);

    setTabOrder(browse_, view_);
    setTabOrder(view_, category_->list());
    setTabOrder(category_->list(), category_->field());
    setTabOrder(category_->field(), save_);
    setTabOrder(save_, close_);
    setTabOrder(close_, path_);
    // The first thing to do is to pick a workbook.
    browse_->setFocus();
}

void ImportDialog::loadCategories() {
    if (kind_ != ImportKind::Members) return;
    category_->load(ctx_, QStringLiteral("select Kategori from Member Group By Kategori"));
}

void ImportDialog::setBusy(bool busy) {
    if (busy) {
        focusBeforeBusy_ = focusWidget();
        body_->setEnabled(false);
        return;
    }
    body_->setEnabled(true);
    // The progress dialog took the keyboard with it when it went.
    activateWindow();
    if (focusBeforeBusy_) focusBeforeBusy_->setFocus();
}

QString ImportDialog::runReader(const std::function<QString()>& call) {
    QString reply;
    std::atomic<bool> done{false};
    QEventLoop loop;
    const auto progress = Progress(this, QStringLiteral("Membaca workbook..."), 0);
    // Nothing advances a busy dialog, which therefore never shows by itself.
    QTimer::singleShot(kProgressAfterMs, progress.get(), &QProgressDialog::show);
    // The dialog waits for the reader without taking input meanwhile.
    setBusy(true);
    std::thread worker([&] {
        reply = call();
        done = true;
        QMetaObject::invokeMethod(&loop, "quit", Qt::QueuedConnection);
    });
    if (!done) loop.exec();
    worker.join();
    setBusy(false);
    return reply;
}

void ImportDialog::browse() {
    const QString path =
        ctx_.files().openFile(kFileTitle, kFileFilter, QStringLiteral("xls"), QDir::currentPath());
    // The keyboard comes back here, not to whatever the desktop picks.
    activateWindow();
    if (path.isEmpty()) return;
    path_->setText(QDir::toNativeSeparators(path));
    const auto reply =
        ReadWithModule(ctx_, path, ImportHeaderLine(kind_),
                       [this](const std::function<QString()>& call) { return runReader(call); });
    if (!reply) return;
    const ImportReply split = SplitRecordText(*reply, ImportStatusColumn(kind_));
    if (!split.message.isEmpty()) {
        ctx_.messages().info(split.message, QStringLiteral("Info"));
        return;
    }
    // A sheet whose code or name column went unrecognised would give rows that can
    // never be saved: say which names the header row needs instead.
    const bool anySavable = std::any_of(split.records.begin(), split.records.end(), [](const QStringList& r) {
        return !r.value(0).trimmed().isEmpty() && !r.value(1).trimmed().isEmpty();
    });
    if (!split.records.isEmpty() && !anySavable) {
        const QStringList names = ImportHeaderLine(kind_).split(QLatin1Char(';'));
        ctx_.messages().info(
            QStringLiteral("Tidak ada data dengan %1 dan %2. Baris pertama sheet harus berisi nama "
                           "kolom: %3..")
                .arg(names.value(0), names.value(1), names.join(QStringLiteral(", "))),
            QStringLiteral("Info"));
        return;
    }
    // A second read goes below the first; every row not yet saved is saved later.
    {
        GridData::Batch batch(grid_);
        grid_.reserve(grid_.rowCount() + static_cast<int>(split.records.size()));
        for (const QStringList& record : split.records) grid_.appendRow(ImportGridRow(kind_, record));
    }
    lastRead_ = static_cast<int>(split.records.size());
    if (lastRead_ > 0)
        view_->scrollTo(view_->model()->index(grid_.rowCount() - lastRead_, 0),
                        QAbstractItemView::PositionAtTop);
}

void ImportDialog::save() {
    const int status = ImportStatusColumn(kind_);
    int unsaved = 0;
    for (int r = 0; r < grid_.rowCount(); ++r) unsaved += grid_.cell(r, status).isEmpty();
    if (kind_ == ImportKind::None || unsaved == 0) return;
    if (!ctx_.messages().askYesNo(kQuestion, kQuestionCaption)) return;

    auto progress = Progress(this, QStringLiteral("Menyimpan data..."), unsaved);
    setBusy(true);
    const ImportSummary summary = SaveImportRows(ctx_, grid_, kind_, category_->text(),
                                                 [&](int done, int) { progress->setValue(done); });
    progress.reset();  // gone before the summary shows
    setBusy(false);
    if (!summary.written) return;
    // The outcome in view: the "Status" of the first row this save handled (the rows
    // not yet saved are always the last ones, since every save takes them all).
    view_->scrollTo(view_->model()->index(grid_.rowCount() - summary.handled, status),
                    QAbstractItemView::PositionAtTop);
    ctx_.messages().show(ImportSummaryText(kind_, summary), QStringLiteral("Info"), MsgButtons::Ok,
                         MsgIcon::None);
}

void ImportDialog::closeImport() {
    if (closing_) return;
    closing_ = true;
    if (closed_) closed_();
    QDialog::accept();
}

void ImportDialog::reject() {
    closeImport();
}

}  // namespace zelkor
