#pragma once
// "Reset Data": empties chosen tables of the library, each after its own
// question. useradmin is never emptied.
#include <QDialog>
#include <array>
#include <vector>

class QCheckBox;
class QPushButton;

namespace zelkor {

class AppContext;

struct ResetChoice {
    const char* text;   // the check box, as the questions name it
    const char* label;  // the same with its keyboard mnemonic
    const char* table;  // the table it empties
};
// The five choices in the order they are asked.
const std::array<ResetChoice, 5>& ResetChoices();

// Empties the tables of the ticked choices (`ticked` by position) in order: each
// is asked "Reset Data " + its text and emptied on Yes; a failure is told and the
// next goes on. Before the first table is emptied the data is kept as
// "SebelumReset" + yyyymmddHHMMSS + ".dataperpus"; when that copy cannot be
// written nothing is emptied. The copy's name is told at the end.
void ResetTables(AppContext& ctx, const std::vector<bool>& ticked);

class DataResetForm : public QDialog {
    Q_OBJECT
  public:
    explicit DataResetForm(AppContext& ctx, QWidget* parent = nullptr);

    QCheckBox* choice(int position) const { return choices_.at(position); }

  private:
    void createControls();
    void proceed();  // Lanjut

    AppContext& ctx_;
    std::vector<QCheckBox*> choices_;
    QPushButton* proceed_ = nullptr;
    QPushButton* cancel_ = nullptr;
};

}  // namespace zelkor
