#pragma once
// The desktop implementations of the services.
#include "ui/services.h"

class QWidget;

namespace zelkor {

// Modal message boxes. With no parent they belong to no window, as the SQL error
// box always has.
class QtMessages : public MessageService {
public:
    MsgAnswer show(const QString& text, const QString& caption, MsgButtons buttons, MsgIcon icon) override;
};

class SystemClock : public Clock {
public:
    QDateTime now() const override { return QDateTime::currentDateTime(); }
};

class QtFileDialogs : public FileDialogs {
public:
    QString openFile(const QString& title, const QString& filter, const QString& defaultExtension,
                     const QString& startDirectory) override;
    QString saveFile(const QString& title, const QString& filter, const QString& defaultExtension,
                     const QString& startDirectory) override;
};

// "Bitmap|*.bmp|Semua|*.*" -> "Bitmap (*.bmp);;Semua (*.*)".
QString QtFilterFromPipes(const QString& filter);

}  // namespace zelkor
