#pragma once
// "Jurnal Penerimaan" and "Jurnal Pengeluaran": one manual line of the cash
// journal, income into Masuk or expense into Keluar, with a payment voucher
// offered after each save. Opened by the journal only, modal over it. With
// GridFollowFlag at 1 the form shows a journal line and writes nothing.
#include <QDialog>
#include <QStringList>
#include <cstdint>

#include "cashbook/entry_rules.h"

class QComboBox;
class QDateEdit;
class QLineEdit;
class QPushButton;

namespace zelkor {

class AppContext;

// A line the form has just booked.
struct SavedLine {
    EntrySide side;
    QString code, date, category, description;
    std::int64_t amount = 0;
};

class EntryForm : public QDialog {
    Q_OBJECT
  public:
    // `shown` is the journal grid row to show when GridFollowFlag is 1 (cells 0 to 8
    // as the journal lists them); it is not read for a new line.
    EntryForm(AppContext& ctx, EntrySide side, const QStringList& shown = {}, QWidget* parent = nullptr);

    EntrySide side() const { return side_; }
    bool viewing() const { return viewing_; }

  signals:
    // The line is in Kas; the journal shows it.
    void saved(const SavedLine& line);

  public slots:
    void save();                     // Simpan
    void categoryChosen(int index);  // the category selector

  private:
    void createControls();
    void loadCategories();
    void startNewLine();
    void showLine(const QStringList& cells);
    void refuse(const QString& text, QWidget* field);  // tells why, proposes a fresh code
    void proposeCode();

    AppContext& ctx_;
    const EntrySide side_;
    bool viewing_ = false;

    QDateEdit* date_ = nullptr;
    QComboBox* selector_ = nullptr;
    QLineEdit* category_ = nullptr;
    QLineEdit* code_ = nullptr;
    QLineEdit* description_ = nullptr;
    QLineEdit* amount_ = nullptr;
    QPushButton* saveButton_ = nullptr;
};

}  // namespace zelkor
