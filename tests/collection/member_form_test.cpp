// "Form Data Member Perpustakaan": the member rules (gender, status, birth date),
// the category list and the search, driven as an operator does.
#include <gtest/gtest.h>
#include <QCheckBox>
#include <QRadioButton>

#include "collection/import_dialog.h"
#include "collection/member_form.h"
#include "record_driver.h"
#include "support/modal.h"

using namespace zelkor;
using namespace zelkor::test;

namespace {

class MemberFormTest : public DbTest {
  protected:
    void SetUp() override {
        AddMemberRow(env, {"M01", "Budi Santoso", "Laki-laki", "Bandung", "2005-01-31", "Jl. Mawar 1",
                           "Siswa", "7", "1"});
        AddMemberRow(env,
                     {"M02", "Ani", "Perempuan", "Garut", "2006-02-14", "Jl. Melati 2", "Guru", "14", "0"});
        d = std::make_unique<RecordDriver<MemberForm>>(env);
    }
    QString stored(const QString& code) {
        return env
            .rows(
                "select Id, Nama, LP, TmpLahir, TglLahir, Alamat, Kategori, DurasiPinjam, Status from Member "
                "where Id=?",
                {code})
            .value(0);
    }
    bool male() { return d->get<QRadioButton>("male")->isChecked(); }
    bool active() { return d->get<QCheckBox>("aktif")->isChecked(); }
    QLineEdit* birth() { return d->field("tglLahir"); }
    std::unique_ptr<RecordDriver<MemberForm>> d;
};

}  // namespace

// A stored gender counts as male only with a leading capital L, and is saved as
// one of the two words; a stored status above 0 ticks "Aktif" and is saved as 1.
TEST_F(MemberFormTest, StoredGenderAndStatusAreShownAndSavedByTheRules) {
    struct Case {
        QString lp, status;
        bool male, active;
        QString savedLp, savedStatus;
    };
    const std::vector<Case> cases = {
        {"Laki-laki", "1", true, true, "Laki-laki", "1"},   {"L", "2", true, true, "Laki-laki", "1"},
        {"laki-laki", "0", false, false, "Perempuan", "0"}, {"Perempuan", "", false, false, "Perempuan", "0"},
        {"", "1.5", false, true, "Perempuan", "1"},         {"P", "-1", false, false, "Perempuan", "0"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE((c.lp + "/" + c.status).toStdString());
        env.exec("update Member set LP=?, Status=? where Id='M02'", {c.lp, c.status});
        d->form.reloadRecords();
        d->clickRow(1);
        EXPECT_EQ(male(), c.male);
        EXPECT_EQ(active(), c.active);
        d->press("save");
        EXPECT_EQ(d->told(), QStringList({kChanged}));
        EXPECT_EQ(env.scalar("select LP||'/'||Status from Member where Id='M02'"),
                  c.savedLp + "/" + c.savedStatus);
        EXPECT_EQ(d->rows().value(1),
                  "2.|M02|Ani|" + c.savedLp + "|Garut|2006-02-14|Jl. Melati 2|Guru|14|" + c.savedStatus);
    }
}

// The category list is the members' own (a list like the item form's shelves).
TEST_F(MemberFormTest, ANewMemberIsStoredAndListedExactlyAsSaved) {
    EXPECT_EQ(d->entries("categoryList"), QStringList({"Guru", "Siswa", "Add Item"}));
    d->type("search", "Sit");  // typed, not searched: emptied once the member is in
    d->fill({"code", "M03", "name", "Siti", "tmpLahir", "Bogor", "alamat", "Jl. Kenari 3", "durasi", "10",
             "tglLahir", "1-12-2004"});
    d->get<QRadioButton>("female")->click();
    d->pick("categoryList", "Guru");
    d->press("save");
    EXPECT_EQ(d->told(), QStringList({kSaved}));
    EXPECT_EQ(stored("M03"), "M03|Siti|Perempuan|Bogor|2004-12-01|Jl. Kenari 3|Guru|10|0");
    EXPECT_EQ(d->rows().value(2), "3|M03|Siti|Perempuan|Bogor|2004-12-01|Jl. Kenari 3|Guru|10|0");
    // The form and the search are empty again, "Laki-laki" chosen, and the date kept for the next one.
    EXPECT_TRUE(male());
    EXPECT_EQ(d->text("search"), "");
    EXPECT_EQ(birth()->text(), "1-12-2004");
    d->fill({"code", "M04", "name", "Sari"});
    d->press("save");
    EXPECT_EQ(stored("M04"), "M04|Sari|Laki-laki||2004-12-01||||0");

    // A new record empties the member shown and the search alike, and keeps the date.
    d->clickRow(1);
    d->type("search", "Ani");
    d->press("add");
    for (const char* f : {"code", "name", "tmpLahir", "alamat", "category", "durasi", "search"})
        EXPECT_EQ(d->text(f), "") << f;
    EXPECT_TRUE(male() && !active());
    EXPECT_EQ(d->get<QComboBox>("categoryList")->currentIndex(), -1);
    EXPECT_EQ(birth()->text(), "2006-02-14");
}

// A stored birth date that is no date is kept as it is while untouched, not replaced
// by the date of the member shown before.
TEST_F(MemberFormTest, AStoredBirthDateThatIsNoDateIsKept) {
    for (const QString& odd : {QString("kemarin"), QString(""), QString("2005-02-30")}) {
        SCOPED_TRACE(odd.toStdString());
        env.exec("update Member set TglLahir=? where Id='M02'", {odd});
        d->form.reloadRecords();
        d->clickRow(0);  // a real date first
        d->clickRow(1);
        d->type("alamat", "Jl. Baru");
        d->press("save");
        EXPECT_EQ(env.scalar("select TglLahir from Member where Id='M02'"), odd);
        EXPECT_EQ(d->grid().cell(1, d->form.gridColumnOf("TglLahir")), odd);
        // A date typed for that member replaces it.
        d->type("tglLahir", "01/03/2006");
        d->press("save");
        EXPECT_EQ(env.scalar("select TglLahir from Member where Id='M02'"), "2006-03-01");
        d->told();
    }
}

TEST_F(MemberFormTest, SearchLooksInFiveColumns) {
    struct Case {
        QString text;
        QStringList ids;
    };
    const std::vector<Case> cases = {
        {"", {"M01", "M02"}}, {"santoso", {"M01"}},
        {"Garut", {"M02"}},   {"Melati", {"M02"}},
        {"siswa", {"M01"}},   {"M02", {"M02"}},
        {"Perempuan", {}},    {"2005-01", {}},
        {"14", {}},           {"'", {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text.toStdString());
        d->search(c.text);
        EXPECT_EQ(d->column("Id"), c.ids);
    }
    EXPECT_TRUE(env.messages.shown.empty());
}

// The reload after an import is the record forms' own (checked at the item form).
TEST_F(MemberFormTest, ItsImportIsOfTheMemberTable) {
    WhenModal<ImportDialog>([](ImportDialog* dialog) {
        EXPECT_EQ(dialog->kind(), ImportKind::Members);
        dialog->closeImport();
    });
    d->press("import");
    EXPECT_EQ(env.ctx().importTarget, "Member");
}

// A birth date typed day first or year first is stored as yyyy-mm-dd; a day that
// does not exist is refused, naming the field, and nothing is saved.
TEST_F(MemberFormTest, ABirthDateIsTypedAsItIsWritten) {
    const std::pair<const char*, const char*> cases[] = {
        {"15-08-2012", "2012-08-15"}, {"15/08/2012", "2012-08-15"}, {"5-8-2012", "2012-08-05"},
        {"2012-08-15", "2012-08-15"}, {"2012-02-31", nullptr},      {"31/04/2020", nullptr},
    };
    for (const auto& [typed, stored] : cases) {
        SCOPED_TRACE(typed);
        d->press("add");
        d->fill({"code", "M09", "name", "Rina", "tglLahir", typed});
        d->press("save");
        if (stored) {
            EXPECT_EQ(d->told(), QStringList({kSaved}));
            EXPECT_EQ(env.scalar("select TglLahir from Member where Id='M09'"), stored);
            env.exec("delete from Member where Id='M09'");
        } else {
            EXPECT_EQ(d->told(), QStringList({"Entry Data..: Tanggal Lahir \"" + QString(typed) +
                                              "\" bukan tanggal yang ada. Tulislah seperti 15-08-2012 atau "
                                              "2012-08-15.."}));
            EXPECT_EQ(env.scalar("select count(*) from Member where Id='M09'"), "0");
        }
    }
}

// A new record with a taken code asks before it replaces anyone; No saves nothing.
// A member with loans still out is not deleted; a visit is never brought back and
// does not count.
TEST_F(MemberFormTest, NoMemberIsReplacedUnaskedNorDeletedWithLoansOut) {
    const QString before = stored("M02");
    d->press("add");
    d->fill({"code", "M02", "name", "Ani Baru"});
    env.messages.answers = {MsgAnswer::No};
    d->press("save");
    EXPECT_EQ(d->told(),
              QStringList({"Entry Data..: Kode M02 sudah dipakai oleh «Ani». Ganti data member itu?"}));
    EXPECT_EQ(stored("M02"), before);

    AddMovementRow(env, "T1", "M02", "PINJAM", "B01");
    AddMovementRow(env, "T2", "M02", "KUNJUNG", "KUNJUNG");
    d->clickRow(1);
    d->press("delete");
    EXPECT_EQ(d->told(), QStringList({kDeleteQuestion,
                                      "Info: Member M02 tidak dapat dihapus, masih ada 1 "
                                      "transaksi pinjam/rental yang belum kembali.."}));
    EXPECT_EQ(stored("M02"), before);
}
