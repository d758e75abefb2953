#include "TfModel.h"

#include "DialogParts.h"
#include "FormTranslator.h"
#include "Tags.h"
#include "app/AppContext.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

namespace {

void selectTextOrFirst(QComboBox* box, const QString& text) {
    const int i = box->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
    box->setCurrentIndex(i >= 0 ? i : 0);
}

} // namespace

TfModel::TfModel(AppContext& ctx, QWidget* parent) : QDialog(parent), m_ctx(ctx) {
    DialogParts::SetUp(this, "fModel", "Model Information");
    QLabel* label1 = DialogParts::Label("Label1", "Model Type: ", this);
    m_model = new QComboBox(this);
    m_model->setObjectName("cbCopmut");
    Tags::Set(m_model, Tags::kNeverTranslate);
    QLabel* label2 = DialogParts::Label("Label2", "Frequency: ", this);
    m_band = new QComboBox(this);
    m_band->setObjectName("cbPd");
    Tags::Set(m_band, Tags::kNeverTranslate);
    QPushButton* ok = nullptr;
    QHBoxLayout* buttons = DialogParts::OkCancel(this, &ok);

    auto* grid = new QGridLayout(this);
    grid->addWidget(label1, 0, 0, Qt::AlignRight);
    grid->addWidget(m_model, 0, 1);
    grid->addWidget(label2, 1, 0, Qt::AlignRight);
    grid->addWidget(m_band, 1, 1);
    grid->addLayout(buttons, 2, 0, 1, 2);
    grid->setSizeConstraint(QLayout::SetFixedSize);
    m_model->setMinimumWidth(160);

    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    // FormShow
    if (ctx.all().LanguageIndex > 0)
        TranslateForm(this, ctx.all().AppDir, ctx.all().LanguageName, false);
    QStringList names;
    ctx.models().GetNames(names);
    m_model->addItems(names);
    selectTextOrFirst(m_model, ctx.all().ModelName);
    modelChanged();
    selectTextOrFirst(m_band, ctx.all().BandText);
    connect(m_model, &QComboBox::currentIndexChanged, this, &TfModel::modelChanged);
}

void TfModel::modelChanged() {
    m_band->clear();
    const TMacType* model = m_ctx.models().FindByName(m_model->currentText());
    if (!model)
        return;
    m_band->addItems(model->Bands);
    selectTextOrFirst(m_band, model->DefaultBand);
}

QString TfModel::ModelName() const {
    return m_model->currentText();
}
QString TfModel::BandText() const {
    return m_band->currentText();
}
