#include "admin/data_reset.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QHash>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "admin/database_copy.h"
#include "app/app_context.h"
#include "db/database.h"
#include "ui/scaling.h"

namespace zelkor {

namespace {
const QString kWarning = QStringLiteral(
    "PERINGATAN, RESET DATA DAPAT MENGAKIBATKAN HILANGNYA ARSIP PENTING MENGENAI INFORMASI REKAMAN "
    "DATABASE..");
const QString kQuestion = QStringLiteral("Apakah anda yakin akan reset data?");
const QString kConfirm = QStringLiteral("Confirm Delete");
const QString kInfo = QStringLiteral("Info");
}  // namespace

const std::array<ResetChoice, 5>& ResetChoices() {
    static const std::array<ResetChoice, 5> choices = {
        {{"Item Perpustakaan", "&Item Perpustakaan", "itemperpus"},
         {"Data Peminjam", "Data &Peminjam", "member"},
         {"Data Transaksi", "Data &Transaksi", "transperpus"},
         {"Data Item Hilang", "Data Item &Hilang", "itemhilang"},
         {"Data Alur Kas", "Data Alur &Kas", "kas"}}};
    return choices;
}

namespace {

// What stands on an emptied table goes with it, in the same transaction: the debts
// of members that are gone, the links and renewal counts of movements that are
// gone, and the closes of journal lines that are gone. A debt stays when only its
// movements go: the member still owes it.
const QStringList& Dependents(const QString& table) {
    static const QHash<QString, QStringList> dependents = {
        {QStringLiteral("member"),
         {QStringLiteral("Delete From TanggunganAsal"), QStringLiteral("Delete From TanggunganBayar"),
          QStringLiteral("Delete From HapusDenda Where IdTanggungan Is Not Null"),
          QStringLiteral("Delete From Tanggungan")}},
        {QStringLiteral("transperpus"),
         {QStringLiteral("Delete From TanggunganAsal"), QStringLiteral("Delete From Perpanjangan"),
          QStringLiteral("Delete From HapusDenda Where IdTanggungan Is Null")}},
        {QStringLiteral("kas"),
         {QStringLiteral("Delete From TutupKasBaris"), QStringLiteral("Delete From TutupKas")}}};
    static const QStringList none;
    const auto it = dependents.constFind(table);
    return it == dependents.constEnd() ? none : *it;
}

bool EmptyTable(AppContext& ctx, const QString& table) {
    DbResult r;
    {
        Transaction tx(ctx.db());
        r = tx.beginResult();
        for (const QString& sql : QStringList{QStringLiteral("Delete From ") + table} + Dependents(table)) {
            if (!r.ok) break;
            r = ctx.db().exec(sql);
        }
        if (r.ok) r = tx.commit();
    }  // rolled back here unless committed, before anything is said
    if (!r.ok) ctx.sqlError(r.error);
    return r.ok;
}

}  // namespace

void ResetTables(AppContext& ctx, const std::vector<bool>& ticked) {
    QString safety;
    for (std::size_t i = 0; i < ResetChoices().size() && i < ticked.size(); ++i) {
        if (!ticked[i]) continue;
        const QString text = QString::fromUtf8(ResetChoices()[i].text);
        if (!ctx.messages().askYesNo(QStringLiteral("Reset Data ") + text, kConfirm)) continue;
        if (safety.isEmpty()) {
            QString error;
            if (!WriteSafetyCopy(ctx, QStringLiteral("SebelumReset"), &safety, &error)) {
                ctx.messages().show(QStringLiteral("Reset dibatalkan, salinan data sebelum reset tidak dapat "
                                                   "dibuat: %1. Data tidak berubah..")
                                        .arg(error),
                                    kInfo, MsgButtons::Ok, MsgIcon::None);
                return;
            }
        }
        if (EmptyTable(ctx, QString::fromUtf8(ResetChoices()[i].table)))
            ctx.messages().show(
                QStringLiteral("Reset Data ") + text + QStringLiteral(" berhasil di eksekusi.."), kInfo,
                MsgButtons::Ok, MsgIcon::None);
    }
    if (!safety.isEmpty())
        ctx.messages().show(
            QStringLiteral("Data sebelum reset disimpan di file %1, dapat dikembalikan dengan Restore..")
                .arg(safety),
            kInfo, MsgButtons::Ok, MsgIcon::None);
}

DataResetForm::DataResetForm(AppContext& ctx, QWidget* parent) : QDialog(parent), ctx_(ctx) {
    setObjectName(QStringLiteral("FORM_ZELKOR_FORM20_CLASS"));
    setWindowTitle(QStringLiteral("Reset Data"));
    setModal(true);
    setFont(FontFromText(QStringLiteral("Arial Unicode MS,9,0")));
    createControls();
    cancel_->setFocus();
}

void DataResetForm::createControls() {
    const QFont large = FontFromText(QStringLiteral("Arial Unicode MS,12,1"));
    auto* warning = new QLabel(kWarning, this);
    warning->setFont(large);
    warning->setWordWrap(true);
    auto* question = new QLabel(kQuestion, this);
    question->setFont(large);

    auto* boxes = new QVBoxLayout;
    int position = 0;
    for (const ResetChoice& c : ResetChoices()) {
        auto* box = new QCheckBox(QString::fromUtf8(c.label), this);
        box->setObjectName(QStringLiteral("choice%1").arg(++position));
        choices_.push_back(box);
        boxes->addWidget(box);
    }

    proceed_ = new QPushButton(QStringLiteral("&Lanjut"), this);
    proceed_->setObjectName(QStringLiteral("proceed"));
    proceed_->setAutoDefault(false);
    cancel_ = new QPushButton(QStringLiteral("&Batal"), this);
    cancel_->setObjectName(QStringLiteral("cancel"));
    cancel_->setAutoDefault(false);
    connect(proceed_, &QPushButton::clicked, this, &DataResetForm::proceed);
    connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(proceed_);
    buttons->addWidget(cancel_);
    auto* all = new QVBoxLayout(this);
    all->setContentsMargins(Scaled(this, 14), Scaled(this, 12), Scaled(this, 14), Scaled(this, 12));
    all->addWidget(warning);
    all->addSpacing(Scaled(this, 6));
    all->addLayout(boxes);
    all->addSpacing(Scaled(this, 6));
    all->addWidget(question);
    all->addLayout(buttons);
    resize(Scaled(this, 460), sizeHint().height());
}

void DataResetForm::proceed() {
    if (ctx_.messages().askYesNo(kQuestion + QChar('\n') + kWarning, kConfirm)) {
        std::vector<bool> ticked;
        for (QCheckBox* box : choices_) ticked.push_back(box->isChecked());
        ResetTables(ctx_, ticked);
    }
    accept();
}

}  // namespace zelkor
