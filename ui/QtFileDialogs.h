#pragma once

#include "app/FileDialogs.h"

class QWidget;

/** The save and open dialogs of data files, filter "Data File(*.dat)". */
class QtFileDialogs : public FileDialogs {
  public:
    explicit QtFileDialogs(QWidget* parent = nullptr) : m_parent(parent) {}
    void SetParent(QWidget* parent) { m_parent = parent; }
    std::optional<QString> AskSavePath() override;
    std::optional<QString> AskOpenPath() override;

  private:
    QWidget* m_parent;
};
