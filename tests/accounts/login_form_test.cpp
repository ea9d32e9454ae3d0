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
#include "support/fixture.h"
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

TEST_F(LoginFormTest, FieldsAreNamedAndThePasswordHidden) {
    LoginForm form(env.ctx());
    form.show();
    EXPECT_EQ(form.userField()->accessibleName(), "Username");
    EXPECT_EQ(form.passwordField()->accessibleName(), "Password");
    EXPECT_EQ(form.passwordField()->echoMode(), QLineEdit::Password);
    EXPECT_EQ(form.focusWidget(), form.userField());
    EXPECT_TRUE(form.findChild<QLabel*>("loginPicture")->pixmap().toImage().width() > 0);
}

// A refused login keeps the form open with the password ready to be typed over.
TEST_F(LoginFormTest, FailedLoginKeepsTheFormOpenForAnotherTry) {
    LoginForm form(env.ctx());
    QSignalSpy admitted(&form, &LoginForm::loggedIn);
    form.show();
    QTest::keyClicks(form.userField(), "Admin");
    QTest::keyClicks(form.passwordField(), "admin");
    QTest::mouseClick(form.logInButton(), Qt::LeftButton);
    ASSERT_EQ(env.messages.shown.size(), 1u);
    EXPECT_EQ(env.messages.shown[0].text, "Gagal Login, coba isi Username dan Password dengan benar..");
    EXPECT_EQ(env.messages.shown[0].caption, "Login User..");
    EXPECT_EQ(env.messages.shown[0].icon, MsgIcon::Information);
    EXPECT_TRUE(form.isVisible());
    EXPECT_EQ(admitted.count(), 0);
    EXPECT_EQ(form.focusWidget(), form.passwordField());

    form.userField()->setText("admin");
    QTest::keyClicks(form.passwordField(), "admin");
    EXPECT_EQ(form.passwordField()->text(), "admin");
    QTest::keyClick(form.passwordField(), Qt::Key_Return);
    ASSERT_EQ(admitted.count(), 1);
    EXPECT_EQ(admitted[0][0].toString(), "admin");
    ASSERT_EQ(env.messages.shown.size(), 2u);
    EXPECT_EQ(env.messages.shown[1].text,
              "Selamat datang di Zelkor, admin diperkenankan menjalankan aplikasi ini..");
    EXPECT_EQ(env.messages.shown[1].caption, "Login User..");
    EXPECT_EQ(env.messages.shown[1].icon, MsgIcon::Information);
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

TEST_F(LoginFormTest, PasswordFormSavesAHashAndClosesEitherWay) {
    for (const char* typed : {"", "Baru#2016"}) {
        PasswordForm form(env.ctx());
        form.show();
        EXPECT_EQ(form.passwordField()->echoMode(), QLineEdit::Password);
        EXPECT_EQ(form.passwordField()->accessibleName(), "Password Baru");
        const QString before = env.scalar("select Password from useradmin where User='admin'");
        QTest::keyClicks(form.passwordField(), typed);
        QTest::mouseClick(form.saveButton(), Qt::LeftButton);
        EXPECT_FALSE(form.isVisible()) << typed;
        const QString after = env.scalar("select Password from useradmin where User='admin'");
        if (*typed)
            EXPECT_TRUE(VerifyPassword(after, typed));
        else
            EXPECT_EQ(after, before);
    }
    EXPECT_TRUE(env.messages.shown.empty());
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
