#pragma once

#include "app/FileDialogs.h"

class QWidget;

/**
 * The save and open dialogs: data files with filter "Data File(*.dat)", CSV
 * channel lists and PDF printouts.
 */
class QtFileDialogs : public FileDialogs {
  public:
    explicit QtFileDialogs(QWidget* parent = nullptr) : m_parent(parent) {}
    void SetParent(QWidget* parent) { m_parent = parent; }
    std::optional<QString> AskSavePath(FileKind kind = FileKind::DataFile,
                                       const QString& suggested = QString()) override;
    std::optional<QString> AskOpenPath(FileKind kind = FileKind::DataFile) override;

  private:
    QWidget* m_parent;
};
