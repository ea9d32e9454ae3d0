#pragma once
// A module of the program (exptohtml, exptoxls, xlstodb): a separate library
// loaded by its bare name for one use and released when this object goes.
// Beside the program (programDir) first, so a copy there wins over one installed
// elsewhere (the build folder); then the program's own library folder of the
// installed package (ZELKOR_MODULE_DIR, e.g. /usr/lib/x86_64-linux-gnu/zelkor);
// then the platform's library search path.
#include <QFunctionPointer>
#include <QLibrary>
#include <QString>

namespace zelkor {

class MessageService;

class ModuleLibrary {
  public:
    ModuleLibrary(const QString& programDir, const QString& name);
    ~ModuleLibrary();
    ModuleLibrary(const ModuleLibrary&) = delete;
    ModuleLibrary& operator=(const ModuleLibrary&) = delete;

    bool loaded() const { return lib_.isLoaded(); }
    // The entry point `symbol`, or null.
    QFunctionPointer entry(const char* symbol) { return lib_.resolve(symbol); }

  private:
    QLibrary lib_;
};

// The entry point `symbol` of `module`, or null after telling the operator:
// "tidak dapat membaca library.." when the module did not load, "tidak dapat
// membaca data yang dibaca library.." when it lacks the entry (caption "Export To
// excel..", as the system has always said for every module). The program goes on
// in both cases: ending it would throw away whatever the operator had open.
QFunctionPointer ModuleEntry(MessageService& messages, ModuleLibrary& module, const char* symbol);

}  // namespace zelkor
