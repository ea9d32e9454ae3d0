#pragma once
// The main window: the frame of the whole program, with its menu, toolbar,
// client area for the child forms and status bar. Its creation drives the rest
// of start-up: login, background window, the date of the day and the identity.
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTimer>
#include <functional>

#include "program/commands.h"

namespace zelkor {

class AppContext;
class MainStatusBar;
class OverviewPage;

class MainWindow : public QMainWindow {
    Q_OBJECT
  public:
    // Ends the process with the given code. The program's default leaves the main
    // loop with that code; tests record it instead.
    using ExitHandler = std::function<void(int code)>;
    // Runs the login over the main window; true when an operator was admitted.
    using LoginStep = std::function<bool(MainWindow& window)>;

    explicit MainWindow(AppContext& ctx, QWidget* parent = nullptr);

    void setExitHandler(ExitHandler handler) { exit_ = std::move(handler); }
    void setLoginStep(LoginStep step) { login_ = std::move(step); }

    // The rest of creation: the login, then the background window, TodayText and
    // the identity. When the login is abandoned the exit handler is called with 1
    // and false returned. A switch to another library runs the login step again.
    bool finishCreation();

    AppContext& context() { return ctx_; }
    QMdiArea* mdiArea() const { return mdi_; }
    MainStatusBar* statusParts() const { return status_; }
    const CommandTable& commands() const { return commands_; }
    void runCommand(int id) { commands_.dispatch(id); }

    // Opens a form as a child window in the client area and shows it; the child
    // window is deleted with the form when it closes. Returns the child window.
    QMdiSubWindow* openChild(QWidget* form);
    // The open child form with that object name (its window class), or null.
    QWidget* findChildForm(const QString& objectName) const;
    // The open child form of that class (by its kWindowClass), brought to the
    // front; null when none is open. Forms that exist once per run use it.
    template <typename Form>
    Form* bringForward() const {
        auto* open = qobject_cast<Form*>(findChildForm(QString::fromLatin1(Form::kWindowClass)));
        if (open) mdi_->setActiveSubWindow(qobject_cast<QMdiSubWindow*>(open->parentWidget()));
        return open;
    }
    // After a restore, a reset or a switch to another database every open child form with
    // a slot load() reads its data again, so none shows rows that are gone.
    void reloadChildForms();

    // "Ringkasan", the start page in the background window; null before the login.
    OverviewPage* overview() const { return overview_; }

    // CurrentOperator is the text of status bar part 1.
    QString currentOperator() const;
    void setCurrentOperator(const QString& user);

  private:
    void createMdiClient();
    void createMenu();
    void createStatusBar();
    void createCommands();
    void startClock();
    void openBackground();
    void readIdentity();

    void showClock();
    void changePassword();
    void exitProgram();
    void openOperators();
    void openLibraryIdentity();
    // Restore, Koneksi Database and Reset Data: for the administrator, others are told.
    bool administratorOnly();
    void resetData();
    void switchLibrary();  // Koneksi Database, then the login for the library switched to
    void showReport(int command);
    void showHistory();
    void showAbout();
    void openOverviewList(int list);  // an OverviewPage::List

    AppContext& ctx_;
    QMdiArea* mdi_ = nullptr;
    MainStatusBar* status_ = nullptr;
    QTimer clock_;
    QTimer overviewWatch_;  // reads the start page again when the library changed
    OverviewPage* overview_ = nullptr;
    CommandTable commands_;
    ExitHandler exit_;
    LoginStep login_;
};

// The login step of the program: the login form, modal over the window.
bool RunLoginForm(MainWindow& window);

}  // namespace zelkor
