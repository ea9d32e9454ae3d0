// Admitting operators: exact names, hashed passwords,
// the upgrade of a plain-text password, and typed text that never changes a
// statement.
#include <gtest/gtest.h>

#include "accounts/login.h"
#include "accounts/password_hash.h"
#include "support/fixture.h"

using namespace zelkor;

namespace {

class LoginTest : public test::DbTest {
  protected:
    void SetUp() override {
        env.exec("insert into useradmin (User, Password) values (?, ?)", {"admin", HashPassword("rahasia")});
        env.exec("insert into useradmin (User, Password) values (?, ?)",
                 {"O'Neil", HashPassword("pa'ss\"; --")});
        env.exec("insert into useradmin (User, Password) values ('siti', 'siti123')");  // left by an older
                                                                                        // database
        env.exec("insert into useradmin (User, Password) values ('tamu', NULL)");
        env.exec("insert into useradmin (User, Password) values ('kosong', '')");
    }
    QString stored(const QString& user) {
        return env.scalar("select Password from useradmin where User=?", {user});
    }
};

}  // namespace

TEST_F(LoginTest, WhoIsAdmitted) {
    struct Case {
        const char *user, *password;
        bool admitted;
    } cases[] = {
        {"admin", "rahasia", true},
        {"Admin", "rahasia", false},  // names compare exactly, letter case included
        {"admin ", "rahasia", false},
        {"admin", "Rahasia", false},
        {"admin", "", false},
        {"O'Neil", "pa'ss\"; --", true},
        {"tidakada", "rahasia", false},
        {"' or '1'='1", "' or '1'='1", false},  // the old statement let this in
        {"admin' --", "apa saja", false},
        {"admin", "' or '1'='1", false},
        {"tamu", "", false},   // an account without a password admits nobody
        {"kosong", "", true},  // an empty password stored as such is still typed exactly
        {"", "", false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(CheckLogin(env.ctx(), QString::fromUtf8(c.user), QString::fromUtf8(c.password)), c.admitted)
            << c.user << " / " << c.password;
    }
    EXPECT_TRUE(env.messages.shown.empty());
    EXPECT_EQ(env.scalar("select count(*) from useradmin"), "5");
}

TEST_F(LoginTest, PlainTextPasswordIsReplacedByItsHashAtTheFirstLogin) {
    EXPECT_FALSE(CheckLogin(env.ctx(), "siti", "SITI123"));
    EXPECT_EQ(stored("siti"), "siti123") << "a refused login changes nothing";

    EXPECT_TRUE(CheckLogin(env.ctx(), "siti", "siti123"));
    const QString hash = stored("siti");
    EXPECT_TRUE(IsPasswordHash(hash));
    EXPECT_TRUE(VerifyPassword(hash, "siti123"));

    EXPECT_TRUE(CheckLogin(env.ctx(), "siti", "siti123"));  // and logs in again with it
    EXPECT_EQ(stored("siti"), hash) << "a hash is not hashed again";
    EXPECT_FALSE(CheckLogin(env.ctx(), "siti", "siti124"));
}

TEST_F(LoginTest, FailingStatementShowsTheSqlErrorAndRefuses) {
    env.exec("drop table useradmin");
    EXPECT_FALSE(CheckLogin(env.ctx(), "admin", "rahasia"));
    ASSERT_EQ(env.messages.shown.size(), 1u);
    EXPECT_EQ(env.messages.shown[0].text, "SQL error: no such table: useradmin");
    EXPECT_EQ(env.messages.shown[0].caption, "Info");
}

TEST(PasswordHash, HashesAreSaltedAndVerifyOnlyTheirPassword) {
    const QString a = HashPassword("Perpus#1"), b = HashPassword("Perpus#1");
    EXPECT_TRUE(a.startsWith("$argon2id$"));
    EXPECT_NE(a, b);
    bool upgrade = true;
    EXPECT_TRUE(VerifyPassword(a, "Perpus#1", &upgrade));
    EXPECT_FALSE(upgrade);
    EXPECT_FALSE(VerifyPassword(a, "perpus#1"));
    EXPECT_TRUE(VerifyPassword("Ümlaut ß", "Ümlaut ß", &upgrade));
    EXPECT_TRUE(upgrade);
    EXPECT_TRUE(VerifyPassword(HashPassword("Ümlaut ß"), "Ümlaut ß"));
}
