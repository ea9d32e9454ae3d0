#pragma once
// The services the forms reach the desktop through. The program uses the Qt
// implementations (qt_services.h); tests use the scripted and recording doubles
// in tests/support, so no form ever needs a real dialog box, clock or printer.
#include <QDateTime>
#include <QString>
#include <memory>

class QWidget;

namespace zelkor {

// ---- Message boxes ----------------------------------------------------------

enum class MsgIcon { None, Information, Question, Warning, Critical };
enum class MsgButtons { Ok, YesNo };
enum class MsgAnswer { Ok, Yes, No };

class MessageService {
public:
    virtual ~MessageService() = default;
    // Shows a modal message box and returns the button pressed.
    virtual MsgAnswer show(const QString& text, const QString& caption, MsgButtons buttons = MsgButtons::Ok,
                           MsgIcon icon = MsgIcon::None) = 0;

    void info(const QString& text, const QString& caption) {
        show(text, caption, MsgButtons::Ok, MsgIcon::Information);
    }
    bool askYesNo(const QString& text, const QString& caption) {
        return show(text, caption, MsgButtons::YesNo, MsgIcon::Question) == MsgAnswer::Yes;
    }
    // The question every list asks before it deletes a record; true on Yes.
    bool confirmDelete() {
        return askYesNo(QStringLiteral("Apakah anda yakin akan menghapus record ini? Cobalah koreksi data yang "
                                       "terkait dengan record ini, mungkin bisa mengakibatkan perubahan referensi "
                                       "data dan mengakibatkan data menjadi rancu.."),
                        QStringLiteral("Confirm Delete"));
    }
};

// ---- Clock ------------------------------------------------------------------

class Clock {
public:
    virtual ~Clock() = default;
    // The computer's local date and time.
    virtual QDateTime now() const = 0;

    // The status bar's clock text, "HH:mm:ss".
    QString timeText() const { return now().toString(QStringLiteral("HH:mm:ss")); }
    QDate today() const { return now().date(); }
};

// ---- File dialogs -----------------------------------------------------------

class FileDialogs {
public:
    virtual ~FileDialogs() = default;
    // `filter` is the "|"-separated list of description and pattern pairs
    // ("Bitmap|*.bmp|Semua|*.*"). Returns the chosen path, empty when cancelled.
    virtual QString openFile(const QString& title, const QString& filter, const QString& defaultExtension,
                             const QString& startDirectory) = 0;
    virtual QString saveFile(const QString& title, const QString& filter, const QString& defaultExtension,
                             const QString& startDirectory) = 0;
};

// ---- Printing ---------------------------------------------------------------

// One print job on the default printer. Positions are in ten-thousandths of the
// printable width (x) and height (y); font sizes are in points. Every step reports
// whether it worked, so a caller can tell the operator once when the printer
// is missing or refuses the job.
class PrintContext {
public:
    virtual ~PrintContext() = default;
    virtual bool open() = 0;  // the default printer; font "Arial" 12 until set
    virtual bool startDoc(const QString& name) = 0;
    virtual bool startPage() = 0;
    virtual void setFont(const QString& face, int points) = 0;
    virtual bool printText(int x, int y, const QString& text) = 0;
    virtual bool endPage() = 0;
    virtual bool endDoc() = 0;
    virtual void release() = 0;
    // Why the last step failed, for the operator's message.
    virtual QString lastError() const { return {}; }
};

class Printers {
public:
    virtual ~Printers() = default;
    virtual std::unique_ptr<PrintContext> create() = 0;
};

}  // namespace zelkor
