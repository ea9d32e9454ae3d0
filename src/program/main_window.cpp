#include "program/main_window.h"

#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>
#include <QIcon>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QShortcut>
#include <QVBoxLayout>

#include "accounts/login_form.h"
#include "accounts/operator_list.h"
#include "accounts/password_form.h"
#include "admin/admin.h"
#include "admin/backup_restore.h"
#include "app/app_context.h"
#include "app/config_files.h"
#include "app/startup.h"
#include "cashbook/journal_form.h"
#include "circulation/circulation.h"
#include "collection/catalogue_form.h"
#include "collection/item_form.h"
#include "collection/lost_item_form.h"
#include "collection/member_form.h"
#include "core/dates.h"
#include "overview/overview_page.h"
#include "program/images.h"
#include "program/status_bar.h"
#include "program/toolbar.h"
#include "program/welcome_window.h"
#include "reports/history_form.h"
#include "reports/report_form.h"
#include "till/till.h"
#include "till/till_report_form.h"
#include "ui/scaling.h"

namespace zelkor {

MainWindow::MainWindow(AppContext& ctx, QWidget* parent)
    : QMainWindow(parent),
      ctx_(ctx),
      exit_([](int code) { QCoreApplication::exit(code); }),
      login_(RunLoginForm) {
    InitProgramImages();
    setObjectName(QStringLiteral("FORM_ZELKOR_MDIFORM1_CLASS"));
    setWindowTitle(QStringLiteral("Zelkor + Rental"));
    QIcon icon(QStringLiteral(":/IMAGE_GRAPH"));
    icon.addFile(QStringLiteral(":/IMAGE_GRAPH_16"), QSize(16, 16));
    setWindowIcon(icon);
    createMdiClient();
    createCommands();
    createMenu();
    addToolBar(Qt::TopToolBarArea, CreateMainToolbar(this, [this](int id) { runCommand(id); }));
    createStatusBar();
    startClock();
    // The normal frame, centred; the program shows it maximised. Never narrower than
    // the status bar's parts: a window manager takes the resize the layout would make
    // on the first show as the operator's and gives up the maximised state.
    resize(QSize(Scaled(this, 1054), Scaled(this, 514)).expandedTo(minimumSizeHint()));
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

bool MainWindow::finishCreation() {
    if (!login_(*this)) {
        exit_(kExitStopped);
        return false;
    }
    openBackground();
    // Fixed for the whole run, also when it goes on past midnight.
    ctx_.todayText = IsoDate(ctx_.clock().today());
    readIdentity();
    // Read once the window is on the screen: on a large library that takes a
    // moment the window need not wait for.
    QTimer::singleShot(0, overview_, &OverviewPage::refresh);
    // A desk save, a journal line, an import or another program on the same file
    // changes the library; the page follows within a second, at the cost of one
    // look at SQLite's change counter when nothing changed.
    connect(&overviewWatch_, &QTimer::timeout, overview_, &OverviewPage::refreshIfChanged,
            Qt::UniqueConnection);
    overviewWatch_.start(1000);
    return true;
}

void MainWindow::createMdiClient() {
    mdi_ = new QMdiArea(this);
    mdi_->setBackground(palette().brush(QPalette::Dark));  // the application-workspace colour
    setCentralWidget(mdi_);
}

QMdiSubWindow* MainWindow::openChild(QWidget* form) {
    form->setAttribute(Qt::WA_DeleteOnClose);
    QMdiSubWindow* sub = mdi_->addSubWindow(form);
    sub->setAttribute(Qt::WA_DeleteOnClose);
    sub->setWindowTitle(form->windowTitle());
    // The window's own menu binds Ctrl+F4 too, which made the key ambiguous, and
    // lost once the window is maximised: the main window's shortcut alone closes.
    if (QMenu* menu = sub->systemMenu())
        for (QAction* action : menu->actions())
            if (action->shortcut() == QKeySequence(Qt::CTRL | Qt::Key_F4)) action->setShortcut({});
    sub->show();
    form->setFocus();
    return sub;
}

void MainWindow::reloadChildForms() {
    for (QMdiSubWindow* sub : mdi_->subWindowList())
        if (QWidget* form = sub->widget(); form && form->metaObject()->indexOfSlot("load()") >= 0)
            QMetaObject::invokeMethod(form, "load");
    if (overview_) overview_->refresh();
}

QWidget* MainWindow::findChildForm(const QString& objectName) const {
    for (QMdiSubWindow* sub : mdi_->subWindowList())
        if (sub->widget() && sub->widget()->objectName() == objectName) return sub->widget();
    return nullptr;
}

void MainWindow::createMenu() {
    // F10 reaches the menu, as on every desktop: it opens the first popup.
    auto* f10 = new QShortcut(QKeySequence(Qt::Key_F10), this);
    connect(f10, &QShortcut::activated, this,
            [this] { menuBar()->setActiveAction(menuBar()->actions().value(0)); });
    // F5 reads the start page again, wherever the focus is in the window.
    auto* f5 = new QShortcut(QKeySequence(Qt::Key_F5), this);
    connect(f5, &QShortcut::activated, this, [this] {
        if (overview_) overview_->refresh();
    });
    // Ctrl+F4 closes the child window in front, as its close button does (a form
    // with unsaved work still asks first); the keyboard had no way to close a list.
    // The background with the start page stays.
    auto* closeChild = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_F4), this);
    connect(closeChild, &QShortcut::activated, this, [this] {
        QMdiSubWindow* sub = mdi_->activeSubWindow();
        if (sub && sub->objectName() != QLatin1String("welcomeSubWindow")) sub->close();
    });
    for (const MenuPopup& popup : MenuTable()) {
        QMenu* menu = menuBar()->addMenu(QString::fromUtf8(popup.text));
        menu->setProperty("commandId", popup.id);
        for (const MenuEntry& entry : popup.entries) {
            QAction* action = menu->addAction(QString::fromUtf8(entry.text));
            action->setData(entry.id);
            if (const char* keys = ShortcutFor(entry.id))
                action->setShortcut(QKeySequence(QString::fromLatin1(keys)));
            const int id = entry.id;
            connect(action, &QAction::triggered, this, [this, id] { runCommand(id); });
        }
    }
}

void MainWindow::createStatusBar() {
    status_ = new MainStatusBar(this);
    setStatusBar(status_);
    ctx_.currentOperator = status_->partText(1);
}

// Every command of the menu and the toolbar. Forms still to be written have
// an empty handler, so the table stays complete.
void MainWindow::createCommands() {
    auto& c = commands_;
    c.set(cmd::ChangePassword, [this] { changePassword(); });
    c.set(cmd::BackUp, [this] { BackUpDatabase(ctx_); });
    c.set(cmd::Restore, [this] {
        if (administratorOnly() && RestoreDatabase(ctx_)) reloadChildForms();
    });
    c.set(cmd::DatabaseConnection, [this] { switchLibrary(); });
    c.set(cmd::Exit, [this] { exitProgram(); });
    c.set(cmd::Items, [this] {
        // One item form: a second press brings the open one forward.
        if (!bringForward<ItemForm>()) openChild(new ItemForm(ctx_))->showMaximized();
    });
    c.set(cmd::Members, [this] {
        if (!bringForward<MemberForm>()) openChild(new MemberForm(ctx_))->showMaximized();
    });
    c.set(cmd::Operators, [this] { openOperators(); });
    c.set(cmd::LibraryIdentity, [this] { openLibraryIdentity(); });
    c.set(cmd::VisitTariffs, [this] { OpenVisitTariffs(ctx_, this); });
    c.set(cmd::ResetData, [this] { resetData(); });
    c.set(cmd::TransactionDesk, [this] { OpenTransactionDesk(ctx_, this); });
    c.set(cmd::CashJournal, [this] {
        // One journal: a second press brings the open one forward.
        if (!bringForward<JournalForm>()) openChild(new JournalForm(ctx_))->showMaximized();
    });
    c.set(cmd::Catalogue, [this] {
        if (!bringForward<CatalogueForm>()) openChild(new CatalogueForm(ctx_))->showMaximized();
    });
    c.set(cmd::LostItems, [this] { OpenLostItemReports(ctx_, this); });
    c.set(cmd::History, [this] { showHistory(); });
    for (int id : {cmd::ReportRental, cmd::ReportLoans, cmd::ReportReturns, cmd::ReportVisits,
                   cmd::ReportFines, cmd::ReportNotReturned, cmd::ReportLostItems})
        c.set(id, [this, id] { showReport(id); });
    c.set(cmd::TillClose, [this] { OpenTillClose(ctx_, this); });
    c.set(cmd::WaiveFines, [this] {
        if (administratorOnly()) OpenFineWaiver(ctx_, this);
    });
    c.set(cmd::ReportDebts,
          [this] { openChild(new TillReportForm(ctx_, TillReportForm::Kind::Debts))->showMaximized(); });
    c.set(cmd::ReportDailyTakings, [this] {
        openChild(new TillReportForm(ctx_, TillReportForm::Kind::DailyTakings))->showMaximized();
    });
    c.set(cmd::About, [this] { showAbout(); });
    c.set(cmd::DownloadOther, [] {});  // no action
}

void MainWindow::startClock() {
    // On the main loop: a modal form's own loop keeps it ticking.
    connect(&clock_, &QTimer::timeout, this, &MainWindow::showClock);
    clock_.start(200);
    showClock();
}

void MainWindow::showClock() {
    status_->showClock(ctx_.clock().now());
}

void MainWindow::openBackground() {
    QMdiSubWindow* sub = mdi_->addSubWindow(new WelcomeWindow);
    sub->setObjectName(QStringLiteral("welcomeSubWindow"));
    sub->setWindowTitle(QStringLiteral("Welcome"));
    // The start page over the background picture; it reads the library once the
    // day is fixed (finishCreation).
    if (!overview_) {
        overview_ = new OverviewPage(ctx_, sub->widget());
        (new QVBoxLayout(sub->widget()))->addWidget(overview_);
        connect(overview_, &OverviewPage::listRequested, this,
                [this](OverviewPage::List list) { openOverviewList(static_cast<int>(list)); });
    }
    sub->showMaximized();
}

void MainWindow::readIdentity() {
    ApplyIdentity(ctx_, ReadIdentityFile(QDir(ctx_.configFolder()).filePath(QStringLiteral("perpus.txt"))));
    status_->setPartText(3, ctx_.libraryName);
}

QString MainWindow::currentOperator() const {
    return status_->partText(1);
}

void MainWindow::setCurrentOperator(const QString& user) {
    status_->setPartText(1, user);
    ctx_.currentOperator = user;
}

void MainWindow::changePassword() {
    PasswordForm form(ctx_, this);
    form.exec();
}

void MainWindow::exitProgram() {
    exit_(kExitStopped);
}

void MainWindow::openOperators() {
    if (!IsAdministrator(currentOperator())) return;
    if (auto* list = qobject_cast<OperatorList*>(findChildForm(QStringLiteral("FORM_ZELKOR_FORM7_CLASS")))) {
        list->load();
        mdi_->setActiveSubWindow(qobject_cast<QMdiSubWindow*>(list->parentWidget()));
        return;
    }
    openChild(new OperatorList(ctx_));
}

void MainWindow::openLibraryIdentity() {
    if (!IsAdministrator(currentOperator())) return;
    if (OpenLibraryIdentity(ctx_, this)) status_->setPartText(3, ctx_.libraryName);
}

bool MainWindow::administratorOnly() {
    if (IsAdministrator(currentOperator())) return true;
    ctx_.messages().show(QStringLiteral("Hanya user admin yang diperbolehkan menggunakan fitur ini.."),
                         QStringLiteral("Info"), MsgButtons::Ok, MsgIcon::None);
    return false;
}

void MainWindow::resetData() {
    if (administratorOnly() && OpenDataReset(ctx_, this)) reloadChildForms();
}

void MainWindow::switchLibrary() {
    if (!administratorOnly() || !OpenConnectionSettings(ctx_, this)) return;
    // The operators are the new library's: a login made on the old one counts for
    // nothing there. Whoever goes on logs in again, as at start-up, and giving up
    // the login ends the run as it does at start-up.
    setCurrentOperator(QString());
    reloadChildForms();
    if (!login_(*this)) exit_(kExitStopped);
}

void MainWindow::showReport(int command) {
    ctx_.reportCode = ReportCodeFor(command);
    // One report form: a later command produces its report in the open one.
    if (auto* open = bringForward<ReportForm>())
        open->produce();
    else
        openChild(new ReportForm(ctx_))->showMaximized();  // opening produces the report
}

void MainWindow::showHistory() {
    // One history: HISTORI again brings it forward with the movements recorded since.
    if (auto* open = bringForward<HistoryForm>())
        open->produce();
    else
        openChild(new HistoryForm(ctx_))->showMaximized();
}

void MainWindow::showAbout() {
    ctx_.messages().show(QStringLiteral("Zelkor + Rental versi 1.0\n\n"
                                        "Aplikasi perpustakaan sekolah dan komunitas: peminjaman, rental, "
                                        "kunjungan, item hilang dan buku kas dalam satu program.\n\n"
                                        "Dibuat oleh tim pengembang Zelkor."),
                         QStringLiteral("Tentang Kami"), MsgButtons::Ok, MsgIcon::Information);
}

void MainWindow::openOverviewList(int list) {
    switch (static_cast<OverviewPage::List>(list)) {
        case OverviewPage::List::TodayHistory:
            showHistory();
            if (auto* history = bringForward<HistoryForm>()) history->showDay(ctx_.todayText);
            break;
        case OverviewPage::List::MonthReturns:
            showReport(cmd::ReportReturns);
            break;
        case OverviewPage::List::NotReturned:
            showReport(cmd::ReportNotReturned);
            break;
        case OverviewPage::List::TodayJournal:
            runCommand(cmd::CashJournal);
            if (auto* journal = bringForward<JournalForm>()) {
                const QDate today = ParseIsoDate(ctx_.todayText);
                journal->chooseMonth(today.year(), today.month());
            }
            break;
        case OverviewPage::List::None:
            break;
    }
}

bool RunLoginForm(MainWindow& window) {
    LoginForm form(window.context(), &window);
    QObject::connect(&form, &LoginForm::loggedIn, &window, &MainWindow::setCurrentOperator);
    return form.exec() == QDialog::Accepted;
}

}  // namespace zelkor
