#include "FrequencyDelegate.h"

#include "KeyFilter.h"

QWidget* FrequencyDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                                         const QModelIndex& index) const {
    QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
    editor->installEventFilter(KeyFilter::Frequency(editor));
    m_editor = editor;
    return editor;
}

void FrequencyDelegate::destroyEditor(QWidget* editor, const QModelIndex& index) const {
    if (editor == m_editor)
        m_editor.clear(); // closed by the view: nothing left to finish
    QStyledItemDelegate::destroyEditor(editor, index);
}

void FrequencyDelegate::Finish() {
    if (QWidget* editor = m_editor.data()) {
        emit commitData(editor);
        emit closeEditor(editor, QAbstractItemDelegate::NoHint);
    }
}
