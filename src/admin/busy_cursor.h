#pragma once
// The wait cursor while a whole library is read or copied (a few seconds for
// years of records), so the operator sees the program is working.
#include <QCursor>
#include <QGuiApplication>

namespace zelkor {

class BusyCursor {
  public:
    BusyCursor() { QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor)); }
    ~BusyCursor() { QGuiApplication::restoreOverrideCursor(); }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;
};

}  // namespace zelkor
