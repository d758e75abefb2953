#include "DialogParts.h"

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

namespace {

/** Takes every Enter that reaches the dialog; a focused button is pressed by it. */
class EnterFilter : public QObject {
  public:
    using QObject::QObject;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress)
            return QObject::eventFilter(watched, event);
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key != Qt::Key_Return && key != Qt::Key_Enter)
            return false;
        if (auto* button = qobject_cast<QPushButton*>(QApplication::focusWidget());
            button && button->window() == watched)
            button->click();
        return true;
    }
};

} // namespace

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
    // A label is as wide as its text advances; the last glyph may reach beyond
    // that ("To" kerned): a little room keeps it whole.
    label->setContentsMargins(0, 0, 2, 0);
    return label;
}

void HiddenTexts(QWidget* parent, std::initializer_list<Text> texts) {
    for (const Text& t : texts) {
        auto* hidden = new QLabel(QString::fromLatin1(t.english), parent);
        hidden->setObjectName(t.name);
        hidden->hide();
    }
}

QString HiddenText(const QWidget* parent, const char* name) {
    const auto* hidden = parent->findChild<QLabel*>(QString::fromLatin1(name));
    return hidden ? hidden->text() : QString();
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

void EnterCommitsOnly(QDialog* dialog) {
    for (QPushButton* button : dialog->findChildren<QPushButton*>()) {
        button->setDefault(false);
        button->setAutoDefault(false);
    }
    dialog->installEventFilter(new EnterFilter(dialog));
}

} // namespace DialogParts
