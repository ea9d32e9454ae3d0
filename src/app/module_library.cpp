#include "app/module_library.h"

#include <QDir>

#include "ui/services.h"

namespace zelkor {

ModuleLibrary::ModuleLibrary(const QString& programDir, const QString& name) {
    for (const QString& dir : {programDir, QStringLiteral(ZELKOR_MODULE_DIR)}) {
        if (dir.isEmpty()) continue;
        lib_.setFileName(QDir(dir).filePath(name));
        if (lib_.load()) return;
    }
    lib_.setFileName(name);
    lib_.load();
}

ModuleLibrary::~ModuleLibrary() {
    if (lib_.isLoaded()) lib_.unload();
}

QFunctionPointer ModuleEntry(MessageService& messages, ModuleLibrary& module, const char* symbol) {
    const QString caption = QStringLiteral("Export To excel..");
    if (!module.loaded()) {
        messages.info(QStringLiteral("tidak dapat membaca library.."), caption);
        return nullptr;
    }
    const QFunctionPointer entry = module.entry(symbol);
    if (!entry) messages.info(QStringLiteral("tidak dapat membaca data yang dibaca library.."), caption);
    return entry;
}

}  // namespace zelkor
