#pragma once

#include <QPointer>
#include <QStyledItemDelegate>

/** In-place editing of frequency cells: the frequency key filter on the editor. */
class FrequencyDelegate : public QStyledItemDelegate {
    Q_OBJECT

  public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void destroyEditor(QWidget* editor, const QModelIndex& index) const override;
    /** Commits and closes the open editor, if any. */
    void Finish();

  private:
    mutable QPointer<QWidget> m_editor;
};
