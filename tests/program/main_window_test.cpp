// The main window: its frame, menu, toolbar and status bar, the rest of start-up
// after the login, the clock, and the commands that open their forms.
#include <gtest/gtest.h>
#include <QAbstractItemView>
#include <QAction>
#include <QDialog>
#include <QFile>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSet>
#include <QTest>
#include <QToolBar>
#include <QToolButton>
#include <map>

#include "accounts/login_form.h"
#include "accounts/password_form.h"
#include "accounts/password_hash.h"
#include "db/schema.h"
#include "program/main_window.h"
#include "program/status_bar.h"
#include "support/files.h"
#include "support/fixture.h"
#include "support/form_driver.h"
#include "support/modal.h"

using namespace zelkor;
using test::WhenModal;
using test::WriteBytes;

namespace {

MainWindow::LoginStep admit(const QString& user) {
    return [user](MainWindow& w) {
        w.setCurrentOperator(user);
        return true;
    };
}

class MainWindowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        WriteBytes(
            env.dir() + "/perpus.txt",
            "Perpustakaan Lama;-;-;-;-\nTaman Baca Pelangi;Jl. Kenanga 3;0274 555;pelangi@baca.id;-\n");
        env.ctx().todayText.clear();
        env.ctx().libraryName.clear();
        window = std::make_unique<MainWindow>(env.ctx());
        window->setExitHandler([this](int code) { exits.push_back(code); });
    }
    void start(const QString& user = "admin") {
        window->setLoginStep(admit(user));
        ASSERT_TRUE(window->finishCreation());
    }
    QString part(int i) const { return window->statusParts()->partText(i); }

    test::TestEnv env;
    std::vector<int> exits;
    std::unique_ptr<MainWindow> window;
};

}  // namespace

// "&" marks one mnemonic per popup and entry, none twice at the same level. Every entry and toolbar button
// reaches a handler; the popups carry none.
TEST_F(MainWindowTest, MenuMnemonicsAndHandlers) {
    const auto mnemonic = [](const QString& text) {
        EXPECT_EQ(text.count('&'), 1) << text.toStdString();
        return text.at(text.indexOf('&') + 1).toLower();
    };
    const QList<QAction*> popups = window->menuBar()->actions();
    ASSERT_FALSE(popups.isEmpty());
    QSet<QChar> bar;
    for (int p = 0; p < popups.size(); ++p) {
        EXPECT_FALSE(bar.contains(mnemonic(popups[p]->text()))) << popups[p]->text().toStdString();
        bar.insert(mnemonic(popups[p]->text()));
        EXPECT_FALSE(window->commands().has(popups[p]->menu()->property("commandId").toInt()));
        QSet<QChar> inPopup;
        for (QAction* a : popups[p]->menu()->actions()) {
            EXPECT_TRUE(window->commands().has(a->data().toInt())) << a->text().toStdString();
            EXPECT_FALSE(inPopup.contains(mnemonic(a->text()))) << a->text().toStdString();
            inPopup.insert(mnemonic(a->text()));
        }
    }
    auto* toolbar = window->findChild<QToolBar*>();
    ASSERT_NE(toolbar, nullptr);
    EXPECT_FALSE(toolbar->actions().isEmpty());
    for (QAction* a : toolbar->actions()) {
        EXPECT_FALSE(a->icon().pixmap(32, 32).isNull()) << a->text().toStdString();
        EXPECT_TRUE(window->commands().has(a->data().toInt())) << a->text().toStdString();
        EXPECT_TRUE(a->toolTip().endsWith(QString(" (%1)").arg(ShortcutFor(a->data().toInt()))))
            << a->toolTip().toStdString();
    }
}

// The keyboard reaches every command: Alt and a letter, F10, and the shortcuts,
// none of which belongs to two actions.
TEST_F(MainWindowTest, KeyboardReachesTheMenuAndTheCommands) {
    start();
    test::ShowActive(*window);
    QMap<QString, QString> owners;
    for (QAction* a : window->findChildren<QAction*>()) {
        if (a->shortcut().isEmpty()) continue;
        const QString key = a->shortcut().toString();
        EXPECT_FALSE(owners.contains(key))
            << key.toStdString() << " on " << owners[key].toStdString() << " and " << a->text().toStdString();
        owners[key] = a->text();
    }
    EXPECT_EQ(owners.value("Ctrl+1"), "&Transaksi");
    EXPECT_EQ(owners.value("Ctrl+4"), "&Histori");

    const auto openPopup = [&] { return qobject_cast<QMenu*>(QApplication::activePopupWidget()); };
    // Escape as the operator does: out of the popup, then out of the menu bar.
    const auto closePopups = [&] {
        while (QMenu* menu = openPopup()) QTest::keyClick(menu, Qt::Key_Escape);
        QTest::keyClick(window->menuBar(), Qt::Key_Escape);
    };
    QTest::keyClick(window.get(), Qt::Key_P, Qt::AltModifier);
    ASSERT_TRUE(QTest::qWaitFor([&] { return openPopup() != nullptr; }, 2000)) << "Alt+P opens no menu";
    EXPECT_EQ(openPopup()->title(), "&Proses");
    closePopups();

    QTest::keyClick(window.get(), Qt::Key_F10);
    ASSERT_TRUE(QTest::qWaitFor([&] { return openPopup() != nullptr; }, 2000)) << "F10 opens no menu";
    EXPECT_EQ(openPopup()->title(), "&File");
    closePopups();

    QTest::keyClick(window.get(), Qt::Key_F1);
    ASSERT_EQ(env.messages.shown.size(), 1u);
    EXPECT_EQ(env.messages.shown[0].caption, "Tentang Kami");
    // Ctrl+F4 closes the list in front, never the background with the start page.
    window->runCommand(cmd::History);
    QMdiArea* mdi = window->mdiArea();
    ASSERT_EQ(mdi->subWindowList().size(), 2);
    for (int press = 0; press < 2; ++press) {
        QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : window.get(), Qt::Key_F4,
                        Qt::ControlModifier);
        QTest::qWait(0);  // deleteLater
    }
    ASSERT_EQ(mdi->subWindowList().size(), 1);
    EXPECT_EQ(mdi->subWindowList()[0]->windowTitle(), "Welcome");
    QTest::keyClick(window.get(), Qt::Key_Q, Qt::ControlModifier);  // Keluar: code 1, no question
    EXPECT_EQ(exits, std::vector<int>{1});
    EXPECT_EQ(env.messages.shown.size(), 1u);
}

TEST_F(MainWindowTest, AfterLoginTheBackgroundTheDateAndTheIdentity) {
    EXPECT_EQ(part(1), "admin");  // before any login
    start("siti");
    EXPECT_TRUE(exits.empty());
    const QList<QMdiSubWindow*> subs = window->mdiArea()->subWindowList();
    ASSERT_EQ(subs.size(), 1);
    EXPECT_EQ(subs[0]->widget()->objectName(), "FORM_ZELKOR_FORM1_CLASS");
    EXPECT_TRUE(subs[0]->isMaximized());
    EXPECT_FALSE(subs[0]->widget()->palette().window().texture().isNull());  // IMAGE_BACKG as a pattern

    EXPECT_EQ(env.ctx().todayText, "2016-03-07");
    // The library's name from the last line of perpus.txt.
    const QStringList parts = {part(0), part(1), part(2), part(3), part(4), part(5), part(6), part(7)};
    EXPECT_EQ(parts, (QStringList{"User:", "siti", "Hak Pakai :", "Taman Baca Pelangi",
                                  StatusDateText(QDate(2016, 3, 7)), "09:05:02", "", ""}));

    // The window starts at least as wide as its status bar needs, so the first show
    // never widens it: a window manager takes such a resize as the operator's own and
    // gives up the maximised state the program asked for.
    const int before = window->width();
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    EXPECT_GE(before, window->minimumSizeHint().width());
    EXPECT_EQ(window->width(), before);
}

// The clock ticks on while a modal form is open, and past midnight the date moves
// while TodayText stays the day the run started.
TEST_F(MainWindowTest, ClockTicksThroughAModalFormAndPastMidnight) {
    env.clock.set(QDateTime(QDate(2016, 3, 7), QTime(23, 59, 58)));
    start();
    EXPECT_TRUE(QTest::qWaitFor([&] { return part(5) == "23:59:58"; }, 5000)) << part(5).toStdString();
    QString seen;
    WhenModal<PasswordForm>([&](PasswordForm* form) {
        env.clock.advance(3);
        // The next tick of the 200 ms timer shows it (waiting longer only on a busy machine).
        EXPECT_TRUE(QTest::qWaitFor([&] { return part(5) == "00:00:01"; }, 5000));
        seen = part(5);
        form->reject();
    });
    window->runCommand(cmd::ChangePassword);
    EXPECT_EQ(seen, "00:00:01");
    EXPECT_EQ(part(4), StatusDateText(QDate(2016, 3, 8)));
    EXPECT_EQ(env.ctx().todayText, "2016-03-07");
}

// Operators and identity stay closed to others without a word; the commands that
// change the whole library (reset, switch, restore) tell them why.
TEST_F(MainWindowTest, AdministratorChecks) {
    struct Case {
        const char* user;
        bool refused;
    } cases[] = {{"admin", false}, {"Admin", true}, {"siti", true}, {"admin ", true}, {"", true}};
    for (const auto& c : cases) {
        window->setCurrentOperator(QString::fromUtf8(c.user));
        env.messages.clear();
        env.files.titles.clear();
        QStringList opened;  // the forms the commands opened, each closed again at once
        auto run = [&](int id) { opened << test::ClosingModals([&] { window->runCommand(id); }); };
        run(cmd::Operators);
        if (QWidget* list = window->findChildForm("FORM_ZELKOR_FORM7_CLASS")) {
            opened << list->objectName();
            list->parentWidget()->close();
        }
        run(cmd::LibraryIdentity);
        EXPECT_TRUE(env.messages.shown.empty()) << "operators and identity say nothing: " << c.user;
        run(cmd::ResetData);
        run(cmd::DatabaseConnection);
        run(cmd::Restore);  // the file dialog is cancelled
        EXPECT_EQ(opened, c.refused ? QStringList()
                                    : QStringList({"FORM_ZELKOR_FORM7_CLASS", "FORM_ZELKOR_FORM22_CLASS",
                                                   "FORM_ZELKOR_FORM20_CLASS", "FORM_ZELKOR_FORM12_CLASS"}))
            << c.user;
        EXPECT_EQ(env.files.titles, c.refused ? QStringList() : QStringList({"Cari dan Pili File Excel"}));
        const QString refusal = "Hanya user admin yang diperbolehkan menggunakan fitur ini..";
        EXPECT_EQ(env.messages.texts(), c.refused ? QStringList({refusal, refusal, refusal}) : QStringList())
            << c.user;
        for (const auto& m : env.messages.shown) {
            EXPECT_EQ(m.caption, "Info");
            EXPECT_EQ(m.buttons, MsgButtons::Ok);
        }
        EXPECT_TRUE(QApplication::topLevelWidgets().contains(window.get()));
    }
}

// A login on one library counts for nothing on another: after every switch the
// login runs for the library switched to, with nobody logged in meanwhile, and
// giving it up ends the run as at start-up.
TEST_F(MainWindowTest, SwitchingTheLibraryAsksForALoginThere) {
    const QString other = env.dir() + "/buatan.db";
    {
        QString error;
        auto db = Database::open(other, &error);
        ASSERT_TRUE(db && ApplySchema(*db).ok) << error.toStdString();
    }
    start("admin");
    const std::pair<QString, bool> cases[] = {{other, true}, {env.dir() + "/test.db", false}};
    for (const auto& [path, admitted] : cases) {
        QStringList logins;  // who was logged in, and on which library, when the login came up
        window->setLoginStep([&](MainWindow& w) {
            logins << w.currentOperator() + "@" + w.context().databasePath;
            if (admitted) w.setCurrentOperator("admin");
            return admitted;
        });
        WhenModal<QDialog>([&](QDialog* form) {
            form->findChild<QLineEdit*>("source")->setText(path);
            QTest::mouseClick(form->findChild<QPushButton*>("save"), Qt::LeftButton);
        });
        window->runCommand(cmd::DatabaseConnection);
        EXPECT_EQ(logins, QStringList({"@" + path}));
        EXPECT_EQ(exits, admitted ? std::vector<int>{} : std::vector<int>{1}) << path.toStdString();
    }
}

// Each command opens its form once, maximised and ready for typing; the command
// again brings the open one to the front.
TEST_F(MainWindowTest, EachFormCommandOpensOneFormMaximised) {
    test::ShowActive(*window);
    const struct {
        int command;
        const char *form, *focus;
    } cases[] = {{cmd::Items, "FORM_ZELKOR_FORM6_CLASS", "code"},
                 {cmd::Members, "FORM_ZELKOR_FORM8_CLASS", "code"},
                 {cmd::Catalogue, "FORM_ZELKOR_FORM9_CLASS", "search"},
                 {cmd::CashJournal, "FORM_ZELKOR_FORM15_CLASS", "journal"},
                 {cmd::History, "FORM_ZELKOR_FORM10_CLASS", nullptr}};
    for (int round = 0; round < 2; ++round)
        for (const auto& c : cases) {
            SCOPED_TRACE(c.form);
            window->runCommand(c.command);
            QMdiSubWindow* front = window->mdiArea()->activeSubWindow();
            EXPECT_EQ(front->widget()->objectName(), c.form);
            EXPECT_TRUE(front->isMaximized());
            if (round == 0 && c.focus) {
                EXPECT_EQ(QApplication::focusWidget()->objectName(), c.focus);
            }
        }
    EXPECT_EQ(window->mdiArea()->subWindowList().size(), int(std::size(cases)));
}

TEST_F(MainWindowTest, ReportCommandsSetTheReportCode) {
    const std::pair<int, const char*> cases[] = {{6019, "0001"}, {6020, "0002"}, {6021, "0003"},
                                                 {6022, "0004"}, {6023, "0007"}, {6024, "0005"},
                                                 {6025, "0006"}};
    for (const auto& [id, code] : cases) {
        window->runCommand(id);
        EXPECT_EQ(env.ctx().reportCode, code) << id;
    }
}

// Scenario: the program's own login form, over a library whose operator has a
// hashed password; the welcome box comes before the background window.
TEST_F(MainWindowTest, LoggingInShowsTheOperatorInStatusPartOne) {
    env.exec("insert into useradmin (User, Password) values (?, ?)", {"siti", HashPassword("siti123")});
    int subWindowsAtWelcome = -1;
    env.messages.onShow = [&] { subWindowsAtWelcome = window->mdiArea()->subWindowList().size(); };
    window->setLoginStep(RunLoginForm);
    WhenModal<LoginForm>([&](LoginForm* form) {
        // The focus arrives with the activation of the window, later on a busy machine.
        EXPECT_TRUE(QTest::qWaitFor([form] { return form->userField()->hasFocus(); }, 5000));
        QTest::keyClicks(form->userField(), "siti");
        QTest::keyClicks(form->passwordField(), "siti123");
        QTest::keyClick(form->passwordField(), Qt::Key_Return);  // "Log in" is the default button
    });
    ASSERT_TRUE(window->finishCreation());
    EXPECT_EQ(part(1), "siti");
    EXPECT_EQ(env.ctx().currentOperator, "siti");
    EXPECT_EQ(env.messages.texts(),
              QStringList({"Selamat datang di Zelkor, siti diperkenankan menjalankan aplikasi ini.."}));
    EXPECT_EQ(subWindowsAtWelcome, 0);
    EXPECT_TRUE(exits.empty());
}

TEST_F(MainWindowTest, CancelEscapeOrClosingTheLoginFormEndsTheRun) {
    for (int how = 0; how < 3; ++how) {
        exits.clear();
        window->setLoginStep(RunLoginForm);
        WhenModal<LoginForm>([how](LoginForm* form) {
            if (how == 0) QTest::mouseClick(form->cancelButton(), Qt::LeftButton);
            if (how == 1) QTest::keyClick(form->userField(), Qt::Key_Escape);
            if (how == 2) form->close();
        });
        EXPECT_FALSE(window->finishCreation());
        EXPECT_EQ(exits, std::vector<int>{1}) << how;
        EXPECT_EQ(part(1), "admin");
        EXPECT_TRUE(window->mdiArea()->subWindowList().isEmpty());
        EXPECT_TRUE(env.ctx().todayText.isEmpty());
    }
    EXPECT_TRUE(env.messages.shown.empty());
}

// After a restore, a reset or a switch of library no open list may show rows that
// are gone: every child form the commands open reads its data again.
TEST_F(MainWindowTest, OpenListsReadTheirDataAgainAfterTheLibraryChanged) {
    start();
    env.exec(
        "insert into ItemPerpus (Id, NamaItem, JmlStock, Rental) values ('B001', 'Buku Lama', '1', '0')");
    env.exec("insert into Member (Id, Nama, Status) values ('M001', 'Anggota Lama', '1')");
    env.exec(
        "insert into Kas (Id, Tanggal, Kategori, Uraian, Masuk, Keluar) "
        "values ('201603070900001', '2016-03-07', 'Lain', 'Kas lama', '5000', '0')");
    for (cmd::Id id : {cmd::Items, cmd::Members, cmd::CashJournal, cmd::History, cmd::Catalogue,
                       cmd::Operators, cmd::ReportLostItems})
        window->runCommand(id);
    auto rowsOf = [&](const char* form) {
        QWidget* w = window->findChildForm(QString::fromLatin1(form));
        if (!w) return -1;
        int rows = 0;
        for (QAbstractItemView* view : w->findChildren<QAbstractItemView*>())
            if (view->model()) rows += view->model()->rowCount();
        return rows;
    };
    const char* forms[] = {"FORM_ZELKOR_FORM6_CLASS", "FORM_ZELKOR_FORM8_CLASS", "FORM_ZELKOR_FORM15_CLASS"};
    std::map<std::string, int> before;
    for (const char* f : forms) before[f] = rowsOf(f);

    // The catalogue shows what it found.
    auto* catalogue = window->findChildForm("FORM_ZELKOR_FORM9_CLASS");
    ASSERT_NE(catalogue, nullptr);
    catalogue->findChild<QLineEdit*>()->setText("Lama");
    QMetaObject::invokeMethod(catalogue, "search");
    EXPECT_GT(rowsOf("FORM_ZELKOR_FORM9_CLASS"), 0);

    for (const char* table : {"ItemPerpus", "Member", "Kas"})
        env.exec(QStringLiteral("delete from ") + table);
    window->reloadChildForms();
    for (const char* f : forms) {
        EXPECT_GT(before[f], 0) << f;
        EXPECT_LT(rowsOf(f), before[f]) << f;
    }
    EXPECT_EQ(rowsOf("FORM_ZELKOR_FORM9_CLASS"), 0);
}
