#include "ScriptedFileDialogs.h"

namespace {

std::optional<QString> next(QQueue<QString>& queue) {
    if (queue.isEmpty())
        return std::nullopt;
    return queue.dequeue();
}

} // namespace

std::optional<QString> ScriptedFileDialogs::AskSavePath(FileKind kind, const QString& suggested) {
    ++saveAsked;
    lastKind = kind;
    lastSuggested = suggested;
    return next(saves);
}

std::optional<QString> ScriptedFileDialogs::AskOpenPath(FileKind kind) {
    ++openAsked;
    lastKind = kind;
    return next(opens);
}
