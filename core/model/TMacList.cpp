#include "TMacList.h"

const TMacType* TMacList::Item(int index) const {
    if (index < 0 || index >= Count())
        return nullptr;
    return m_models[static_cast<size_t>(index)].get();
}

const TMacType* TMacList::FindByName(const QString& name) const {
    for (const auto& m : m_models)
        if (m->Name == name)
            return m.get();
    return nullptr;
}

const TMacType* TMacList::FindByCode(const QString& code) const {
    for (const auto& m : m_models)
        if (m->Code == code)
            return m.get();
    return nullptr;
}

void TMacList::GetNames(QStringList& list) const {
    list.clear();
    for (const auto& m : m_models)
        list.append(m->Name);
}
