#pragma once

#include "TMacType.h"

#include <memory>
#include <vector>

/** The model catalogue: an ordered list of models, each also found by its code. */
class TMacList {
  public:
    void Add(std::unique_ptr<TMacType> model) { m_models.push_back(std::move(model)); }
    int Count() const { return static_cast<int>(m_models.size()); }
    /** The model at a 0-based position, or nullptr outside the list. */
    const TMacType* Item(int index) const;
    const TMacType* FindByName(const QString& name) const;
    const TMacType* FindByCode(const QString& code) const;
    /** Clears list and appends every model's display name in catalogue order. */
    void GetNames(QStringList& list) const;

  private:
    std::vector<std::unique_ptr<TMacType>> m_models;
};
