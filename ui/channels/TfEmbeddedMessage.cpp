#include "TfEmbeddedMessage.h"

#include "DialogParts.h"
#include "FormTranslator.h"
#include "KeyFilter.h"
#include "app/AppContext.h"
#include "model/TEnMsg.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

namespace {

std::optional<QChar> messageKey(QChar c) {
    const bool plain =
        c == ' ' || (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
    return plain ? std::optional<QChar>(c) : std::nullopt;
}

} // namespace

TfEmbeddedMessage::TfEmbeddedMessage(AppContext& ctx, QWidget* parent)
    : QDialog(parent), m_ctx(ctx) {
    DialogParts::SetUp(this, "fEmbeddedMessage", "Embedded Message");
    auto* layout = new QVBoxLayout(this);
    for (QLineEdit** edit : {&m_edEMA, &m_edEMB}) {
        *edit = new QLineEdit(this);
        (*edit)->setMaxLength(TEnMsg::kLineLength);
        (*edit)->installEventFilter(new KeyFilter(&messageKey, *edit));
        // Pasted text obeys the same rule as typed keys.
        (*edit)->setValidator(new QRegularExpressionValidator(
            QRegularExpression(QStringLiteral("[A-Za-z0-9 ]{0,32}")), *edit));
        (*edit)->setMinimumWidth(300);
        layout->addWidget(*edit);
    }
    m_edEMA->setObjectName("edEMA");
    m_edEMB->setObjectName("edEMB");
    QPushButton* ok = nullptr;
    layout->addLayout(DialogParts::OkCancel(this, &ok));
    layout->setSizeConstraint(QLayout::SetFixedSize);
    connect(ok, &QPushButton::clicked, this, &TfEmbeddedMessage::ok);

    if (ctx.all().LanguageIndex > 0)
        TranslateForm(this, ctx.all().AppDir, ctx.all().LanguageName, true);
    m_edEMA->setText(ctx.message().Line1);
    m_edEMB->setText(ctx.message().Line2);
}

void TfEmbeddedMessage::ok() {
    // The message alone does not make the codeplug count as changed.
    m_ctx.message().Line1 = m_edEMA->text();
    m_ctx.message().Line2 = m_edEMB->text();
    accept();
}
