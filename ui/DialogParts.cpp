#include "DialogParts.h"

#include <QComboBox>
#include <QDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

namespace DialogParts {

void SetUp(QDialog* dialog, const char* name, const char* caption) {
    dialog->setObjectName(name);
    dialog->setWindowTitle(QString::fromLatin1(caption));
    dialog->setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint |
                           Qt::WindowCloseButtonHint);
}

QComboBox* FixedList(const char* name, const QStringList& items, QWidget* parent) {
    auto* box = new QComboBox(parent);
    box->setObjectName(name);
    box->addItems(items);
    return box;
}

QLabel* Label(const char* name, const char* text, QWidget* parent) {
    auto* label = new QLabel(QString::fromLatin1(text), parent);
    label->setObjectName(name);
    return label;
}

QHBoxLayout* OkCancel(QDialog* dialog, QPushButton** ok) {
    *ok = new QPushButton("&Ok", dialog);
    (*ok)->setObjectName("btnOk");
    (*ok)->setDefault(true);
    auto* cancel = new QPushButton("&Cancel", dialog);
    cancel->setObjectName("btnCancel");
    QObject::connect(cancel, &QPushButton::clicked, dialog, &QDialog::reject);
    auto* row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(*ok);
    row->addWidget(cancel);
    return row;
}

} // namespace DialogParts
