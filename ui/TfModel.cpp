#include "TfModel.h"

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
    setObjectName("fModel");
    setWindowTitle("Model Information");
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowCloseButtonHint);
    auto* label1 = new QLabel("Model Type: ", this);
    label1->setObjectName("Label1");
    m_model = new QComboBox(this);
    m_model->setObjectName("cbCopmut");
    Tags::Set(m_model, Tags::kNeverTranslate);
    auto* label2 = new QLabel("Frequency: ", this);
    label2->setObjectName("Label2");
    m_band = new QComboBox(this);
    m_band->setObjectName("cbPd");
    Tags::Set(m_band, Tags::kNeverTranslate);
    auto* ok = new QPushButton("&Ok", this);
    ok->setObjectName("btnOk");
    ok->setDefault(true);
    auto* cancel = new QPushButton("&Cancel", this);
    cancel->setObjectName("btnCancel");

    auto* grid = new QGridLayout(this);
    grid->addWidget(label1, 0, 0, Qt::AlignRight);
    grid->addWidget(m_model, 0, 1);
    grid->addWidget(label2, 1, 0, Qt::AlignRight);
    grid->addWidget(m_band, 1, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    grid->addLayout(buttons, 2, 0, 1, 2);
    grid->setSizeConstraint(QLayout::SetFixedSize);
    m_model->setMinimumWidth(160);

    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

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

QString TfModel::ModelName() const { return m_model->currentText(); }
QString TfModel::BandText() const { return m_band->currentText(); }
