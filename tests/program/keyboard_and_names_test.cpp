// Every form of the program for the keyboard and a screen reader: each input says
// its name, and each button has an Alt letter of its own within its window.
#include <gtest/gtest.h>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSet>

#include "accounts/login_form.h"
#include "accounts/operator_form.h"
#include "accounts/operator_list.h"
#include "accounts/password_form.h"
#include "admin/connection_form.h"
#include "admin/data_reset.h"
#include "admin/identity_form.h"
#include "cashbook/entry_form.h"
#include "cashbook/journal_form.h"
#include "circulation/borrow_picker.h"
#include "circulation/desk_form.h"
#include "circulation/member_browser.h"
#include "circulation/renew_list.h"
#include "circulation/rental_picker.h"
#include "circulation/return_list.h"
#include "circulation/tariff_form.h"
#include "collection/catalogue_form.h"
#include "collection/import_dialog.h"
#include "collection/item_form.h"
#include "collection/lost_item_form.h"
#include "collection/member_form.h"
#include "labels/label_dialog.h"
#include "labels/printer_settings_dialog.h"
#include "overview/overview_page.h"
#include "program/first_start_dialog.h"
#include "reports/history_form.h"
#include "reports/report_form.h"
#include "rules/calendar_form.h"
#include "rules/overdue_form.h"
#include "rules/rules_form.h"
#include "support/fixture.h"

using namespace zelkor;

namespace {

// An input the operator reaches, not a part of another control.
bool IsInput(QWidget* w, QWidget* form) {
    if (w->focusPolicy() == Qt::NoFocus || !w->isVisibleTo(form)) return false;
    for (QWidget* p = w->parentWidget(); p && p != form; p = p->parentWidget())
        if (qobject_cast<QComboBox*>(p) || qobject_cast<QAbstractSpinBox*>(p)) return false;
    return qobject_cast<QLineEdit*>(w) || qobject_cast<QComboBox*>(w) || qobject_cast<QAbstractSpinBox*>(w) ||
           qobject_cast<QAbstractItemView*>(w);
}

void ExpectNamedAndLettered(QWidget* form) {
    const std::string where = form->metaObject()->className();
    for (QWidget* w : form->findChildren<QWidget*>()) {
        if (w->window() != form || !IsInput(w, form)) continue;
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
        EXPECT_TRUE(a && !a->text(QAccessible::Name).trimmed().isEmpty())
            << where << ": " << w->objectName().toStdString() << " has no name";
    }
    // The login keeps its texts: Enter logs in, Escape cancels, Tab goes from name to password.
    if (qobject_cast<LoginForm*>(form)) return;
    QStringList texts;
    for (QPushButton* b : form->findChildren<QPushButton*>())
        if (b->window() == form && b->isVisibleTo(form)) texts << b->text();
    // A dialog's fields are reached by their captions too; a list form's by Tab.
    for (QLabel* l : form->findChildren<QLabel*>())
        if (l->window() == form && l->buddy() && l->buddy()->focusPolicy() != Qt::NoFocus &&
            (qobject_cast<QDialog*>(form) || l->text().contains('&')))
            texts << l->text();
    QSet<QKeyCombination> letters;
    for (const QString& text : texts) {
        const QKeySequence key = QKeySequence::mnemonic(text);
        EXPECT_FALSE(key.isEmpty()) << where << ": " << text.toStdString() << " has no Alt letter";
        EXPECT_FALSE(!key.isEmpty() && letters.contains(key[0])) << where << ": " << text.toStdString();
        if (!key.isEmpty()) letters.insert(key[0]);
    }
}

// The forms, each owned once.
template <class... W>
std::vector<std::unique_ptr<QWidget>> Owned(W*... forms) {
    std::vector<std::unique_ptr<QWidget>> out;
    (out.emplace_back(forms), ...);
    return out;
}

}  // namespace

TEST(KeyboardAndNames, EveryFormNamesItsInputsAndLettersItsCommands) {
    test::TestEnv env;
    AppContext& ctx = env.ctx();
    DeskForm desk(ctx);
    ItemForm items(ctx);
    const auto forms = Owned(
        new LoginForm(ctx), new PasswordForm(ctx), new OperatorList(ctx),
        new OperatorForm(ctx, OperatorForm::Mode::Add, QString()), new ConnectionForm(ctx),
        new DataResetForm(ctx), new IdentityForm(ctx), new JournalForm(ctx),
        new EntryForm(ctx, EntrySide::Income), new EntryForm(ctx, EntrySide::Expense), new RentalPicker(desk),
        new BorrowPicker(desk), new MemberBrowser(desk), new ReturnList(desk), new RenewList(desk),
        new RulesForm(ctx), new CalendarForm(ctx), new OverdueForm(ctx), new TariffForm(ctx),
        new CatalogueForm(ctx), new ImportDialog(ctx, &items, [] {}), new MemberForm(ctx),
        new LostItemForm(ctx), new ReportForm(ctx), new HistoryForm(ctx), new OverviewPage(ctx),
        new LabelDialog(1, 3), new PrinterSettingsDialog(ctx),
        new FirstStartDialog(Places{env.dir(), env.dir(), true}, QString(), env.files, QDate(2016, 3, 7)));
    ExpectNamedAndLettered(&desk);
    ExpectNamedAndLettered(&items);
    for (const auto& form : forms) ExpectNamedAndLettered(form.get());
}
