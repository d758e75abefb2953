#include "TfSetPort.h"

#include "FormTranslator.h"
#include "Tags.h"
#include "app/AppContext.h"
#include "port/PortNames.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

TfSetPort::TfSetPort(AppContext& ctx, QWidget* parent) : QDialog(parent), m_ctx(ctx) {
    setObjectName("fSetPort");
    setWindowTitle("Communication Port");
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowCloseButtonHint);
    auto* label = new QLabel(QStringLiteral("通Port:"), this);
    label->setObjectName("lbName");
    m_box = new QComboBox(this);
    m_box->setObjectName("cbCom");
    Tags::Set(m_box, Tags::kNeverTranslate);
    m_box->setMinimumWidth(260);
    auto* ok = new QPushButton("&Ok", this);
    ok->setObjectName("btnOk");
    ok->setDefault(true);
    auto* cancel = new QPushButton("&Cancel", this);
    cancel->setObjectName("btnCancel");
    auto* row = new QHBoxLayout;
    row->addWidget(label);
    row->addWidget(m_box, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    connect(ok, &QPushButton::clicked, this, &TfSetPort::ok);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    if (ctx.all().LanguageIndex > 0)
        TranslateForm(this, ctx.all().AppDir, ctx.all().LanguageName, true);
    // Each port shows the device behind it; the name alone is stored.
    for (const PortNames::Port& p : PortNames(ctx.all().AppDir).ListPorts())
        m_box->addItem(QStringLiteral("%1    %2").arg(p.name, p.device), p.name);
    m_box->setCurrentIndex(m_box->count() > 0 ? 0 : -1);
    const int current = m_box->findData(ctx.all().PortName, Qt::UserRole, Qt::MatchExactly |
                                                                             Qt::MatchCaseSensitive);
    if (current >= 0)
        m_box->setCurrentIndex(current);
}

void TfSetPort::ok() {
    m_ctx.all().PortName = m_box->currentData().toString();
    accept();
}
