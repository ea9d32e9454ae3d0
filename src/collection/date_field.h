#pragma once
// A date picker ("yyyy-MM-dd") that takes a date typed the way it is written. The
// picker moves on to the next part by itself once a part is complete (2007 -> the
// month); the "-" typed after it then must not skip the month as well.
#include <QDateEdit>

namespace zelkor {

class DateField : public QDateEdit {
    Q_OBJECT
  public:
    DateField(const QDate& date, QWidget* parent);

  protected:
    void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace zelkor
