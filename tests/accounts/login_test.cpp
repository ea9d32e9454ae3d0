// Admitting operators: exact names, hashed passwords of every kind libsodium
// checks, the upgrade of plain-text and weaker passwords, the same work for a
// missing name as for a wrong password, and typed text that never changes a
// statement.
#include <sodium.h>

#include <gtest/gtest.h>

#include "accounts/login.h"
#include "accounts/password_hash.h"
#include "support/fixture.h"

using namespace zelkor;

namespace {

QString Argon2iHash(const char* password) {
    char out[crypto_pwhash_argon2i_STRBYTES];
    EXPECT_EQ(
        crypto_pwhash_argon2i_str(out, password, strlen(password), crypto_pwhash_argon2i_OPSLIMIT_INTERACTIVE,
                                  crypto_pwhash_argon2i_MEMLIMIT_INTERACTIVE),
        0);
    return QString::fromLatin1(out);
}

QString ScryptHash(const char* password) {
    char out[crypto_pwhash_scryptsalsa208sha256_STRBYTES];
    EXPECT_EQ(crypto_pwhash_scryptsalsa208sha256_str(out, password, strlen(password),
                                                     crypto_pwhash_scryptsalsa208sha256_OPSLIMIT_INTERACTIVE,
                                                     crypto_pwhash_scryptsalsa208sha256_MEMLIMIT_INTERACTIVE),
              0);
    return QString::fromLatin1(out);
}

QString Argon2idHash(const char* password, unsigned long long ops, size_t mem) {
    char out[crypto_pwhash_STRBYTES];
    EXPECT_EQ(crypto_pwhash_str(out, password, strlen(password), ops, mem), 0);
    return QString::fromLatin1(out);
}

class LoginTest : public test::DbTest {
  protected:
    void SetUp() override {
        ASSERT_GE(sodium_init(), 0);
        addUser("admin", HashPassword("rahasia"));
        addUser("O'Neil", HashPassword("pa'ss\"; --"));
        addUser("siti", "siti123");  // left by an older database
        addUser("tamu", QVariant());
        addUser("kosong", "");
        addUser("lama", Argon2iHash("lama123"));
        addUser("skrip", ScryptHash("skrip123"));
        addUser("<b>x</b>", HashPassword("x"));
    }
    void addUser(const QString& user, const QVariant& password) {
        env.exec("insert into useradmin (User, Password) values (?, ?)", {user, password});
    }
    QString stored(const QString& user) {
        return env.scalar("select Password from useradmin where User=?", {user});
    }
};

}  // namespace

TEST_F(LoginTest, WhoIsAdmitted) {
    struct Case {
        QString user, password;
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
        {"tamu", "", false},    // an account without a password admits nobody
        {"kosong", "", false},  // nor does an empty one
        {"kosong", "kosong", false},
        {"lama", "lama123", true},        // an argon2i hash from an older program
        {"lama", stored("lama"), false},  // and never its own text
        {"skrip", "skrip123", true},      // scrypt, the other kind libsodium checks
        {"skrip", stored("skrip"), false},
        {"admin", stored("admin"), false},
        {"<b>x</b>", "x", true},
        {"x", "x", false},
        {"", "", false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(CheckLogin(env.ctx(), c.user, c.password), c.admitted)
            << c.user.toStdString() << " / " << c.password.toStdString();
    }
    EXPECT_TRUE(env.messages.shown.empty());
    EXPECT_EQ(env.scalar("select count(*) from useradmin"), "8");
}

// The time of a refusal must not tell whether the name exists: every attempt runs
// exactly one hash check, whatever the account holds.
TEST_F(LoginTest, EveryAttemptDoesTheWorkOfOneHashCheck) {
    const char* attempts[][2] = {
        {"tidakada", "rahasia"},  // no such name
        {"tamu", "x"},            // NULL
        {"kosong", ""},           // empty
        {"admin", "salah"},       // wrong password
        {"siti", "salah"},        // wrong plain text
        {"admin", "rahasia"},     // admitted
    };
    for (const auto& [user, password] : attempts) {
        const std::uint64_t before = PasswordChecksRun();
        CheckLogin(env.ctx(), user, password);
        EXPECT_EQ(PasswordChecksRun() - before, 1u) << user << " / " << password;
    }
}

// A plain-text password left by an older database, and hashes weaker than ours,
// give way to ours at the next login; ours and stronger ones stay as they are.
TEST_F(LoginTest, WeakerHashesAreReplacedAtTheNextLogin) {
    const QString ours = HashPassword("kunci");
    const QString stronger =
        Argon2idHash("kunci", crypto_pwhash_OPSLIMIT_INTERACTIVE + 1, crypto_pwhash_MEMLIMIT_INTERACTIVE);
    struct Case {
        const char* what;
        QString hash;
        bool replaced;
    } cases[] = {
        {"plain text", "kunci", true},
        {"argon2i", Argon2iHash("kunci"), true},
        {"scrypt", ScryptHash("kunci"), true},
        {"argon2id with less memory", Argon2idHash("kunci", crypto_pwhash_OPSLIMIT_INTERACTIVE, 8192 * 1024),
         true},
        {"argon2id with fewer passes", Argon2idHash("kunci", 1, crypto_pwhash_MEMLIMIT_INTERACTIVE), true},
        {"ours", ours, false},
        {"stronger", stronger, false},
    };
    for (const auto& c : cases) {
        env.exec("update useradmin set Password=? where User='admin'", {c.hash});
        EXPECT_FALSE(CheckLogin(env.ctx(), "admin", "Kunci")) << c.what;
        EXPECT_EQ(stored("admin"), c.hash) << c.what << ": a refused login changes nothing";
        ASSERT_TRUE(CheckLogin(env.ctx(), "admin", "kunci")) << c.what;
        const QString after = stored("admin");
        EXPECT_EQ(after != c.hash, c.replaced) << c.what;
        EXPECT_TRUE(VerifyPassword(after, "kunci")) << c.what;
        if (c.replaced) {
            bool upgrade = true;
            EXPECT_TRUE(VerifyPassword(after, "kunci", &upgrade));
            EXPECT_FALSE(upgrade) << c.what << ": our hash is not weaker than ours";
        }
    }
}

// Ten wrong tries used to cost nothing: after five for one name each next try of
// that name waits longer, by the program's clock, and is not even checked before.
TEST_F(LoginTest, AfterFiveWrongPasswordsEachTryOfTheNameWaitsLonger) {
    const int waits[] = {0, 0, 0, 0, 5, 10, 20, 40, 80, 160, 300, 300};
    for (const int wait : waits) {
        EXPECT_FALSE(CheckLogin(env.ctx(), "admin", "salah"));
        EXPECT_EQ(LoginWaitSeconds(env.ctx(), "admin"), wait);
        if (wait == 0) continue;
        const std::uint64_t checks = PasswordChecksRun();
        EXPECT_FALSE(CheckLogin(env.ctx(), "admin", "rahasia")) << "the right one too must wait";
        EXPECT_EQ(PasswordChecksRun(), checks);
        env.clock.advance(wait - 1);
        EXPECT_EQ(LoginWaitSeconds(env.ctx(), "admin"), 1);
        env.clock.advance(1);
    }
    EXPECT_TRUE(CheckLogin(env.ctx(), "O'Neil", "pa'ss\"; --")) << "other names do not wait";
    EXPECT_TRUE(CheckLogin(env.ctx(), "admin", "rahasia"));
    EXPECT_EQ(LoginWaitSeconds(env.ctx(), "admin"), 0);
    for (int i = 0; i < 4; ++i) EXPECT_FALSE(CheckLogin(env.ctx(), "admin", "salah"));
    EXPECT_EQ(LoginWaitSeconds(env.ctx(), "admin"), 0) << "a login starts the count afresh";
}

// A stored hash far costlier than ours (one restored from elsewhere asked for 2 GiB
// and took ten seconds a try) is never computed: it admits nobody.
TEST_F(LoginTest, HashesFarCostlierThanOursAreNeverComputed) {
    constexpr auto ops = crypto_pwhash_OPSLIMIT_INTERACTIVE;
    constexpr auto mem = crypto_pwhash_MEMLIMIT_INTERACTIVE;
    QString huge = HashPassword("kunci");
    huge.replace(QString("m=%1,").arg(mem / 1024), "m=2097152,");
    char scrypt[crypto_pwhash_scryptsalsa208sha256_STRBYTES];
    ASSERT_EQ(crypto_pwhash_scryptsalsa208sha256_str(
                  scrypt, "kunci", 5, 4 * crypto_pwhash_scryptsalsa208sha256_OPSLIMIT_INTERACTIVE,
                  crypto_pwhash_scryptsalsa208sha256_MEMLIMIT_INTERACTIVE),
              0);
    struct Case {
        const char* what;
        QString hash;
        bool admitted;
    } cases[] = {
        {"2 GiB, as restored", huge, false},
        {"three times our memory", Argon2idHash("kunci", ops, 3 * mem), false},
        {"three times our passes", Argon2idHash("kunci", 3 * ops, mem), false},
        {"scrypt, four times its work", QString::fromLatin1(scrypt), false},
        {"twice our passes", Argon2idHash("kunci", 2 * ops, mem), true},
        {"twice our memory", Argon2idHash("kunci", ops, 2 * mem), true},
    };
    for (const auto& c : cases) {
        env.exec("update useradmin set Password=? where User='admin'", {c.hash});
        const std::uint64_t checks = PasswordChecksRun();
        EXPECT_EQ(CheckLogin(env.ctx(), "admin", "kunci"), c.admitted) << c.what;
        EXPECT_EQ(PasswordChecksRun() - checks, 1u) << c.what;
    }
}

TEST_F(LoginTest, FailingStatementShowsTheSqlErrorAndRefuses) {
    env.exec("drop table useradmin");
    EXPECT_FALSE(CheckLogin(env.ctx(), "admin", "rahasia"));
    EXPECT_EQ(env.messages.texts(), QStringList({"SQL error: no such table: useradmin"}));
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
    EXPECT_FALSE(VerifyPassword("Ümlaut ß", "Ümlaut ss"));
    EXPECT_TRUE(VerifyPassword(HashPassword("Ümlaut ß"), "Ümlaut ß"));
    EXPECT_FALSE(VerifyPassword("$argon2id$rusak", "$argon2id$rusak")) << "a damaged hash admits nobody";
}
