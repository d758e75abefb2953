#include "ScriptedFileDialogs.h"

namespace {

std::optional<QString> next(QQueue<QString>& queue) {
    if (queue.isEmpty())
        return std::nullopt;
    return queue.dequeue();
}

} // namespace

std::optional<QString> ScriptedFileDialogs::AskSavePath(FileKind kind) {
    ++saveAsked;
    lastKind = kind;
    return next(saves);
}

std::optional<QString> ScriptedFileDialogs::AskOpenPath(FileKind kind) {
    ++openAsked;
    lastKind = kind;
    return next(opens);
}
