#pragma once
// A date picker ("yyyy-MM-dd") that takes a date typed the way it is written. The
// picker moves on to the next part by itself once a part is complete (2007 -> the
// month); the "-" typed after it then must not skip the month as well. Tab leaves
// the picker as it leaves every field (the parts are reached with "-", Left and
// Right): a Tab meant for the next field must not land in the month and change it.
#include <QDateEdit>

namespace zelkor {

class DateField : public QDateEdit {
    Q_OBJECT
  public:
    DateField(const QDate& date, QWidget* parent);

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool event(QEvent* event) override;
};

}  // namespace zelkor
