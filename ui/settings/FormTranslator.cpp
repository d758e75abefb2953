#include "FormTranslator.h"

#include "Tags.h"
#include "app/IniFile.h"

#include <QAbstractItemModel>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTableView>
#include <QWidget>

namespace {

class Reader {
  public:
    Reader(const IniFile& ini, QString section) : m_ini(ini), m_section(std::move(section)) {}
    QString operator()(const QString& key, const QString& current) const {
        return m_ini.value(m_section, key, current);
    }

  private:
    const IniFile& m_ini;
    QString m_section;
};

void translateCombo(QComboBox* combo, const QString& name, const Reader& read) {
    const int selected = combo->currentIndex();
    const bool firstOnly = Tags::Of(combo) == Tags::kFirstEntryOnly;
    const int count = firstOnly ? std::min(1, combo->count()) : combo->count();
    const QSignalBlocker block(combo);
    for (int i = 0; i < count; ++i)
        combo->setItemText(i, read(name + '.' + QString::number(i), combo->itemText(i)));
    combo->setCurrentIndex(selected);
}

} // namespace

bool TranslateForm(QWidget* window, const QString& appDir, const QString& language,
                   bool itemLists) {
    const IniFile ini(appDir + language + QStringLiteral(".Ini"));
    const QString section = window->objectName();
    const Reader read(ini, section);
    window->setWindowTitle(read(section + QStringLiteral(".Caption"), window->windowTitle()));

    for (QObject* object : window->findChildren<QObject*>()) {
        const QString name = object->objectName();
        if (name.isEmpty() || name.startsWith(QLatin1String("qt_")))
            continue;
        const QString caption = name + QStringLiteral(".Caption");
        const int tag = Tags::Of(object);
        if (auto* label = qobject_cast<QLabel*>(object)) {
            label->setText(read(caption, label->text()));
        } else if (auto* menu = qobject_cast<QMenu*>(object)) {
            menu->setTitle(read(caption, menu->title()));
        } else if (auto* action = qobject_cast<QAction*>(object)) {
            // A separator's caption is "-", the mark of a separator, not a text to show.
            if (!action->isSeparator())
                action->setText(read(caption, action->text()));
            if (action->property("toolButton").toBool())
                action->setToolTip(read(name + QStringLiteral(".Hint"), action->toolTip()));
        } else if (auto* button = qobject_cast<QPushButton*>(object)) {
            button->setText(read(caption, button->text()));
        } else if (auto* table = qobject_cast<QTableView*>(object)) {
            QAbstractItemModel* model = table->model();
            if (tag == Tags::kNeverTranslate || !model)
                continue;
            for (int c = 1; c <= model->columnCount(); ++c)
                model->setHeaderData(c - 1, Qt::Horizontal,
                                     read(name + '.' + QString::number(c),
                                          model->headerData(c - 1, Qt::Horizontal).toString()));
        } else if (auto* combo = qobject_cast<QComboBox*>(object)) {
            if (itemLists && tag != Tags::kNeverTranslate)
                translateCombo(combo, name, read);
        } else if (auto* check = qobject_cast<QCheckBox*>(object)) {
            check->setText(read(caption, check->text()));
        } else if (auto* radio = qobject_cast<QRadioButton*>(object)) {
            radio->setText(read(caption, radio->text()));
        } else if (auto* group = qobject_cast<QGroupBox*>(object)) {
            group->setTitle(read(caption, group->title()));
        } else if (auto* tabs = qobject_cast<QTabWidget*>(object)) {
            for (int i = 0; i < tabs->count(); ++i)
                if (QWidget* page = tabs->widget(i); !page->objectName().isEmpty())
                    tabs->setTabText(
                        i, read(page->objectName() + QStringLiteral(".Caption"), tabs->tabText(i)));
        } else if (auto* list = qobject_cast<QListWidget*>(object)) {
            if (tag == Tags::kNeverTranslate)
                continue;
            for (int i = 0; i < list->count(); ++i)
                list->item(i)->setText(
                    read(name + '.' + QString::number(i), list->item(i)->text()));
        }
    }
    return true;
}
