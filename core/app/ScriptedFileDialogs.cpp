#include "ScriptedFileDialogs.h"

namespace {

std::optional<QString> next(QQueue<QString>& queue) {
    if (queue.isEmpty())
        return std::nullopt;
    return queue.dequeue();
}

} // namespace

std::optional<QString> ScriptedFileDialogs::AskSavePath() {
    ++saveAsked;
    return next(saves);
}

std::optional<QString> ScriptedFileDialogs::AskOpenPath() {
    ++openAsked;
    return next(opens);
}
