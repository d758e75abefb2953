#include "FrequencyDelegate.h"

#include "KeyFilter.h"

QWidget* FrequencyDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                                         const QModelIndex& index) const {
    QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
    editor->installEventFilter(KeyFilter::Frequency(editor));
    m_editor = editor;
    return editor;
}

void FrequencyDelegate::Finish() {
    if (QWidget* editor = m_editor.data()) {
        emit commitData(editor);
        emit closeEditor(editor, QAbstractItemDelegate::NoHint);
    }
}
