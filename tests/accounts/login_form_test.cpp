// The login and password forms as the operator sees them.
#include <gtest/gtest.h>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include "accounts/login_form.h"
#include "accounts/password_form.h"
#include "accounts/password_hash.h"
#include "program/images.h"
#include "support/form_driver.h"
#include "support/modal.h"
#include "ui/qt_services.h"

using namespace zelkor;

namespace {

class LoginFormTest : public test::DbTest {
  protected:
    void SetUp() override {
        InitProgramImages();
        env.exec("insert into useradmin (User, Password) values (?, ?)", {"admin", HashPassword("admin")});
    }
};

}  // namespace

// A refused login keeps the form open with the password (hidden) ready to be typed over.
TEST_F(LoginFormTest, FailedLoginKeepsTheFormOpenForAnotherTry) {
    LoginForm form(env.ctx());
    QSignalSpy admitted(&form, &LoginForm::loggedIn);
    form.show();
    EXPECT_EQ(form.passwordField()->echoMode(), QLineEdit::Password);
    EXPECT_EQ(form.focusWidget(), form.userField());
    EXPECT_TRUE(form.findChild<QLabel*>("loginPicture")->pixmap().toImage().width() > 0);
    QTest::keyClicks(form.userField(), "Admin");
    QTest::keyClicks(form.passwordField(), "admin");
    QTest::mouseClick(form.logInButton(), Qt::LeftButton);
    EXPECT_EQ(test::Told(env),
              QStringList({"Login User..: Gagal Login, coba isi Username dan Password dengan benar.."}));
    EXPECT_TRUE(form.isVisible());
    EXPECT_EQ(admitted.count(), 0);
    EXPECT_EQ(form.focusWidget(), form.passwordField());

    form.userField()->setText("admin");
    QTest::keyClicks(form.passwordField(), "admin");
    EXPECT_EQ(form.passwordField()->text(), "admin");
    QTest::keyClick(form.passwordField(), Qt::Key_Return);
    ASSERT_EQ(admitted.count(), 1);
    EXPECT_EQ(admitted[0][0].toString(), "admin");
    EXPECT_EQ(test::Told(env).value(1),
              "Login User..: Selamat datang di Zelkor, admin diperkenankan menjalankan aplikasi ini..");
    EXPECT_EQ(form.result(), QDialog::Accepted);
    EXPECT_FALSE(form.isVisible());
}

// After five wrong passwords the form says how long the name must wait, and a try
// before then is turned away, also with the right password.
TEST_F(LoginFormTest, TooManyWrongPasswordsTellTheWait) {
    LoginForm form(env.ctx());
    form.show();
    form.userField()->setText("admin");
    const QString wrong = "Gagal Login, coba isi Username dan Password dengan benar..";
    for (const char* password : {"1", "2", "3", "4", "5", "admin"}) {
        form.passwordField()->setText(password);
        QTest::mouseClick(form.logInButton(), Qt::LeftButton);
    }
    EXPECT_EQ(env.messages.texts(),
              QStringList({wrong, wrong, wrong, wrong,
                           wrong + " Terlalu sering gagal, login berikutnya dapat dicoba setelah 5 detik..",
                           "Login untuk user admin ditunda karena terlalu sering gagal, coba lagi setelah 5 "
                           "detik.."}));
    EXPECT_TRUE(form.isVisible());
    env.clock.advance(5);
    QTest::mouseClick(form.logInButton(), Qt::LeftButton);
    EXPECT_EQ(form.result(), QDialog::Accepted);
}

// The form stays open, and the password as it was, until both fields agree on a new
// one; it is stored for the operator logged in (a quote in the name), and only for them.
TEST_F(LoginFormTest, PasswordFormSavesOnlyAConfirmedNewPassword) {
    env.exec("insert into useradmin (User, Password) values ('O''Neil', ?)", {HashPassword("lama")});
    env.ctx().currentOperator = "O'Neil";
    const char* const saved = "Baru#2016'; drop table useradmin; --";
    const struct {
        const char *typed, *repeated, *message;
    } cases[] = {
        {"", "", "Gagal menyimpan, kolom Password Baru belum terisi.."},
        {"Baru#2016", "Baru#2061", "Gagal menyimpan, Password Baru dan Ulangi Password Baru tidak sama.."},
        {"8406", "8406", "Gagal menyimpan, password awal tidak dapat dipakai sebagai password.."},
        {saved, saved, "Password berhasil diubah.."},
    };
    for (const auto& c : cases) {
        env.messages.shown.clear();
        PasswordForm form(env.ctx());
        form.show();
        EXPECT_EQ(form.repeatField()->echoMode(), QLineEdit::Password);
        QTest::keyClicks(form.passwordField(), c.typed);
        QTest::keyClicks(form.repeatField(), c.repeated);
        QTest::mouseClick(form.saveButton(), Qt::LeftButton);
        const bool done = c.typed == saved;
        EXPECT_EQ(env.messages.texts(), QStringList{c.message}) << c.typed;
        EXPECT_EQ(form.isVisible(), !done) << c.typed;
        const QString stored = env.scalar("select Password from useradmin where User=?", {"O'Neil"});
        EXPECT_TRUE(VerifyPassword(stored, done ? c.typed : "lama")) << c.typed;
    }
    EXPECT_TRUE(VerifyPassword(env.scalar("select Password from useradmin where User='admin'"), "admin"));
}

// The initial password admits nobody until it is replaced: giving up the change
// gives up the login, and the next login asks again.
TEST_F(LoginFormTest, InitialPasswordIsReplacedAtTheFirstLogin) {
    env.exec("insert into useradmin (User, Password) values (?, ?)", {"budi", HashPassword("8406")});
    LoginForm form(env.ctx());
    QSignalSpy admitted(&form, &LoginForm::loggedIn);
    form.show();
    form.userField()->setText("budi");
    for (const bool change : {false, true}) {
        form.passwordField()->setText("8406");
        test::WhenModal<PasswordForm>([change](PasswordForm* pw) {
            if (!change) return pw->cancelButton()->click();
            pw->passwordField()->setText("rahasia");
            pw->repeatField()->setText("rahasia");
            pw->saveButton()->click();
        });
        QTest::mouseClick(form.logInButton(), Qt::LeftButton);
    }
    EXPECT_EQ(env.messages.texts(),
              QStringList({"Password awal belum diganti, login dibatalkan..", "Password berhasil diubah..",
                           "Selamat datang di Zelkor, budi diperkenankan menjalankan aplikasi ini.."}));
    ASSERT_EQ(admitted.count(), 1);
    EXPECT_EQ(form.result(), QDialog::Accepted);
    EXPECT_TRUE(VerifyPassword(env.scalar("select Password from useradmin where User='budi'"), "rahasia"));
}

// The welcome box on the desktop shows a name as typed, never as markup.
TEST_F(LoginFormTest, WelcomeBoxShowsARichTextNameAsPlainText) {
    const QString name = "<b>x</b><img src=x>";
    env.exec("insert into useradmin (User, Password) values (?, ?)", {name, HashPassword("x")});
    QtMessages boxes;
    QString error;
    AppContext ctx(Database::open(env.dir() + "/test.db", &error),
                   {boxes, env.clock, env.files, env.printers});
    LoginForm form(ctx);
    form.show();
    form.userField()->setText(name);
    form.passwordField()->setText("x");
    QString shown;
    Qt::TextFormat format = Qt::RichText;
    test::WhenModal<QMessageBox>([&](QMessageBox* box) {
        shown = box->text();
        format = box->textFormat();
        box->accept();
    });
    QTest::mouseClick(form.logInButton(), Qt::LeftButton);
    EXPECT_EQ(shown, "Selamat datang di Zelkor, " + name + " diperkenankan menjalankan aplikasi ini..");
    EXPECT_EQ(format, Qt::PlainText);
    EXPECT_EQ(form.result(), QDialog::Accepted);
}
