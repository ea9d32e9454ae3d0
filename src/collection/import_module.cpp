#include "collection/import_module.h"

#include "app/app_context.h"
#include "app/module_library.h"

namespace zelkor {

std::optional<QString> ReadWithModule(AppContext& ctx, const QString& path, const QString& headerLine,
                                      const ReaderRunner& runner) {
    using Entry = const char* (*)(const char*, const char*, const char*);
    ModuleLibrary module(ctx.programDir, QString::fromLatin1(kReaderModule));
    const auto sdata1 = reinterpret_cast<Entry>(ModuleEntry(ctx.messages(), module, kReaderEntry));
    if (!sdata1) return std::nullopt;
    const QByteArray file = path.toUtf8();
    const QByteArray header = headerLine.toUtf8();
    const auto call = [&] {
        const char* reply = sdata1(file.constData(), kSheetQuery, header.constData());
        return reply ? QString::fromUtf8(reply) : QString();
    };
    return runner ? runner(call) : call();
}

}  // namespace zelkor
