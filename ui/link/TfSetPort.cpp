#include "TfSetPort.h"

#include "DialogParts.h"
#include "FormTranslator.h"
#include "Tags.h"
#include "app/AppContext.h"
#include "app/Settings.h"
#include "port/PortNames.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

TfSetPort::TfSetPort(AppContext& ctx, QWidget* parent) : QDialog(parent), m_ctx(ctx) {
    DialogParts::SetUp(this, "fSetPort", "Communication Port");
    QLabel* label = DialogParts::Label("lbName", "", this);
    label->setText(QStringLiteral("通Port:"));
    m_box = new QComboBox(this);
    m_box->setObjectName("cbCom");
    Tags::Set(m_box, Tags::kNeverTranslate);
    m_box->setMinimumWidth(260);
    QPushButton* ok = nullptr;
    QHBoxLayout* buttons = DialogParts::OkCancel(this, &ok);
    auto* row = new QHBoxLayout;
    row->addWidget(label);
    row->addWidget(m_box, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    connect(ok, &QPushButton::clicked, this, &TfSetPort::ok);

    if (ctx.all().LanguageIndex > 0)
        TranslateForm(this, ctx.all().AppDir, ctx.all().LanguageName, true);
    // Each port shows the device behind it; the name alone is stored.
    for (const PortNames::Port& p : PortNames(SettingsReadPath(ctx.all())).ListPorts())
        m_box->addItem(
            QStringLiteral("%1    %2%3")
                .arg(p.name, p.device,
                     p.permitted ? QString()
                                 : QStringLiteral("    (%1)").arg(PortNames::PermissionAdvice())),
            p.name);
    m_box->setCurrentIndex(m_box->count() > 0 ? 0 : -1);
    const int current = m_box->findData(ctx.all().PortName, Qt::UserRole,
                                        Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (current >= 0)
        m_box->setCurrentIndex(current);
}

void TfSetPort::ok() {
    m_ctx.all().PortName = m_box->currentData().toString();
    accept();
}
