#include "admin/connection_form.h"

#include <QDir>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "admin/busy_cursor.h"
#include "app/app_context.h"
#include "app/config_files.h"
#include "db/database.h"
#include "db/library_file.h"
#include "ui/scaling.h"

namespace zelkor {

namespace {
const QString kInfo = QStringLiteral("Info");
}

ConnectionForm::ConnectionForm(AppContext& ctx, QWidget* parent) : QDialog(parent), ctx_(ctx) {
    setObjectName(QStringLiteral("FORM_ZELKOR_FORM12_CLASS"));
    setWindowTitle(QStringLiteral("Koneksi Database"));
    setModal(true);
    createControls();
    source_->setText(ctx_.databasePath);
    source_->setFocus();
}

void ConnectionForm::createControls() {
    auto* label = new QLabel(QStringLiteral("&Sumber"), this);
    source_ = new QLineEdit(this);
    source_->setObjectName(QStringLiteral("source"));
    source_->setAccessibleName(QStringLiteral("Sumber"));
    source_->setMinimumWidth(Scaled(this, 320));
    label->setBuddy(source_);
    auto* browse = new QPushButton(QStringLiteral("Cari &Database"), this);
    browse->setObjectName(QStringLiteral("browse"));
    browse->setAutoDefault(false);
    auto* save = new QPushButton(QStringLiteral("Simpan dan &Keluar"), this);
    save->setObjectName(QStringLiteral("save"));
    save->setAutoDefault(false);
    connect(browse, &QPushButton::clicked, this, &ConnectionForm::browse);
    connect(save, &QPushButton::clicked, this, &ConnectionForm::save);

    auto* row = new QHBoxLayout;
    row->addWidget(label);
    row->addWidget(source_, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(browse);
    buttons->addWidget(save);
    auto* all = new QVBoxLayout(this);
    all->setContentsMargins(Scaled(this, 12), Scaled(this, 12), Scaled(this, 12), Scaled(this, 12));
    all->addLayout(row);
    all->addLayout(buttons);
}

void ConnectionForm::browse() {
    const QString path =
        ctx_.files().openFile(QStringLiteral("Cari dan Pilih File Database"),
                              QStringLiteral("Database files (*.db3)|*.db3|All Files (*.*)|*.*"),
                              QStringLiteral("db3"), ctx_.workDir);
    if (!path.isEmpty()) source_->setText(path);
}

void ConnectionForm::save() {
    const QString path = source_->text();
    auto refuse = [this](const QString& why) {
        ctx_.messages().show(QStringLiteral("Tidak dapat membuka database: ") + why, kInfo, MsgButtons::Ok,
                             MsgIcon::None);
    };
    // conn.txt holds the path as the first ";"-separated field of its one line.
    if (path.contains(';')) return refuse(QStringLiteral("nama file database tidak boleh memuat tanda ;"));
    if (HasLineBreak(path))
        return refuse(QStringLiteral("nama file database tidak boleh memuat tanda pindah baris"));
    // As at start-up: a relative path is taken from the working directory.
    const QString openPath = path.trimmed().isEmpty() ? QString() : QDir(ctx_.workDir).filePath(path);
    std::unique_ptr<Database> db;
    QString error;
    {
        BusyCursor busy;
        error = LibraryFileProblem(openPath, true);
        if (error.isEmpty()) db = OpenLibrary(openPath, &error);
    }
    if (!db) return refuse(error);

    const ConnSettings conn{path, ctx_.connText2, ctx_.connText3};
    if (!WriteLineFile(QDir(ctx_.configFolder()).filePath(QStringLiteral("conn.txt")), ConnLine(conn),
                       &error)) {
        ctx_.messages().show(QStringLiteral("File conn.txt tidak dapat disimpan: %1. Koneksi database tidak "
                                            "berubah..")
                                 .arg(error),
                             kInfo, MsgButtons::Ok, MsgIcon::None);
        return;
    }
    ctx_.replaceDatabase(std::move(db));
    ctx_.databasePath = path;
    ctx_.messages().show(QStringLiteral("database berhasil dikoneksikan.."), kInfo, MsgButtons::Ok,
                         MsgIcon::None);
    accept();
}

}  // namespace zelkor
