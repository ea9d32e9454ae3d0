#pragma once
// A shelf or category: a drop-down list of the values already in use, ending in
// "Add Item", beside a free-text field. The field's text is what is saved; picking
// an entry copies it into the field, and picking "Add Item" empties the field and
// puts the cursor there for a new value.
#include <QObject>
#include <QString>

class QComboBox;
class QLineEdit;

namespace zelkor {

class AppContext;

inline const QString kAddItem = QStringLiteral("Add Item");

class PickList : public QObject {
    Q_OBJECT
  public:
    PickList(QComboBox* list, QLineEdit* field, QObject* parent = nullptr);

    QComboBox* list() const { return list_; }
    QLineEdit* field() const { return field_; }
    QString text() const;

    // The values `sql` returns (its first column, one entry each, in its order), then
    // "Add Item"; nothing selected.
    void load(AppContext& ctx, const QString& sql);
    // Shows a stored value: in the field as it stands, and in the list the entry that
    // equals it or else the first that begins with it (letter case ignored); none
    // when no entry does.
    void show(const QString& value);
    // Nothing selected, the field empty.
    void clear();
    // After a save: a value the list does not have yet joins it, before "Add Item",
    // and the list shows it while the field does.
    void remember(const QString& saved);

  private:
    void picked(int index);

    QComboBox* list_;
    QLineEdit* field_;
};

}  // namespace zelkor
