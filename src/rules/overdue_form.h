#pragma once
// "Daftar Keterlambatan" in Hasil: the overdue list at a chosen date, exported as
// every list is, printed as one letter per member, or as a chat text per member.
#include <QWidget>

#include <QDate>
#include <vector>

#include "rules/overdue_list.h"
#include "ui/grid_data.h"

class QComboBox;
class QLineEdit;

namespace zelkor {

class AppContext;
class GridView;

class OverdueForm : public QWidget {
    Q_OBJECT
  public:
    static constexpr char kWindowClass[] = "overdueForm";

    explicit OverdueForm(AppContext& ctx, QWidget* parent = nullptr);

    const GridData& list() const { return grid_; }
    // The chat texts of the list shown, one paragraph per member.
    QString chatTexts() const;

  public slots:
    void showList();       // Tampilkan
    void printLetters();   // Cetak Surat
    void showChatTexts();  // Teks Pesan
    void editTexts();      // Ubah Teks
    void exportList();     // Export Ke Excel
    void toBrowser();      // Cetak Ke Broswer

  private:
    void createControls();
    QDate chosenDate() const;

    AppContext& ctx_;
    GridData grid_;
    GridView* view_ = nullptr;
    QLineEdit* date_ = nullptr;
    QComboBox* paper_ = nullptr;
    std::vector<OverdueMember> members_;  // what the list shows
    QDate shownDate_;
};

}  // namespace zelkor
