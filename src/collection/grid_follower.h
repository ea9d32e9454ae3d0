#pragma once
// The entry fields follow the grid's selected row. Moving the mouse over the rows
// arms the run's GridFollowFlag, and while it is armed the form's 200 ms timer copies
// the selected row into the fields; the code field disarms it as soon as it shows the
// selected row's code, so once the mouse has left the grid the fields can be edited.
// A row chosen with the keyboard or a click is copied at once: nobody needs a mouse.
//
// The flag is shared by every record form of the run. Each follower also remembers
// whether its own grid armed it, so passing over one form's grid never overwrites
// what is being typed into another open form.
#include <QObject>
#include <QTimer>
#include <functional>

class QLineEdit;

namespace zelkor {

class AppContext;
class GridView;

class GridFollower : public QObject {
    Q_OBJECT
  public:
    // `show(row)` copies grid row `row` into the form's controls.
    GridFollower(AppContext& ctx, GridView* view, std::function<void(int row)> show,
                 QObject* parent = nullptr);
    ~GridFollower() override;

    // The code field and the grid column it shows: the field disarms the flag when its
    // text equals that column of the selected row.
    void setCodeField(QLineEdit* field, int column);

    bool armed() const;
    void arm();
    void disarm();

  public slots:
    // One timer tick: copies the selected row while armed.
    void follow();

  protected:
    // The first Up or Down in a list with no row chosen chooses the row the cursor is
    // on (the first when the list has just got the focus) instead of passing it by.
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void showRow(int row);
    void disarmWhenShown();

    AppContext& ctx_;
    GridView* view_;
    std::function<void(int)> show_;
    QLineEdit* codeField_ = nullptr;
    int codeColumn_ = 1;
    bool armedHere_ = false;
    QTimer timer_;
};

}  // namespace zelkor
