#include "check/CheckLocationView.h"

#include "app/WindowText.h"
#include "check/CheckLocationDialog.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace qv::gui {

CheckLocationView::CheckLocationView(CheckLocationDialog& dialog, const Language& language, QWidget* parent)
    : ModalView(dialog, parent)
    , m_dialog(dialog)
{
    setObjectName(QStringLiteral("CheckLocation"));
    m_explanation = new QLabel(this);
    m_explanation->setWordWrap(true);
    m_nameLabel = new QLabel(this);
    m_name = new QLabel(this);
    m_name->setObjectName(QStringLiteral("itemName"));
    m_fileLabel = new QLabel(this);
    m_file = new QLabel(this);
    m_file->setObjectName(QStringLiteral("itemFileName"));
    for (QLabel* l : {m_name, m_file}) {
        QFont f = l->font();
        f.setBold(true);
        l->setFont(f);
        l->setTextInteractionFlags(Qt::TextSelectableByMouse);
    }
    m_folders = new QListWidget(this);
    m_folders->setObjectName(QStringLiteral("folders"));
    m_folders->setSelectionMode(QAbstractItemView::SingleSelection);
    m_folders->setMinimumSize(460, 140);
    m_ok = new QPushButton(this);
    m_ok->setObjectName(QStringLiteral("OK"));
    m_ok->setDefault(true);
    m_help = new QPushButton(this);
    m_help->setObjectName(QStringLiteral("Help"));
    m_help->setAutoDefault(false);

    auto* item = new QFormLayout;
    item->addRow(m_nameLabel, m_name);
    item->addRow(m_fileLabel, m_file);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_ok);
    buttons->addWidget(m_help);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_explanation);
    layout->addLayout(item);
    layout->addWidget(m_folders, 1);
    layout->addLayout(buttons);

    connect(m_folders, &QListWidget::currentRowChanged, this, [this](int row) {
        if (!m_filling)
            m_dialog.setItemIndex(row);
    });
    connect(m_folders, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* it) {
        m_dialog.setItemIndex(m_folders->row(it));
        m_dialog.OKClick();
        afterCommand();
    });
    connect(m_ok, &QPushButton::clicked, this, [this] {
        m_dialog.OKClick();
        afterCommand();
    });
    connect(m_help, &QPushButton::clicked, this, [this] { m_dialog.HelpClick(); });
    retranslate(language);
    refresh();
}

void CheckLocationView::retranslate(const Language& language)
{
    setWindowTitle(qtext(m_dialog.title()));
    m_explanation->setText(qtext(m_dialog.explanation()));
    // The item's fields are named as the summary's columns name them.
    m_nameLabel->setText(languageText(language, "T32") + QLatin1Char(':'));
    m_fileLabel->setText(languageText(language, "T33") + QLatin1Char(':'));
    m_ok->setText(qtext(m_dialog.okCaption()));
    m_help->setText(qtext(m_dialog.helpCaption()));
    applyFontSizes(language, CheckLocationDialog::kSection, {m_explanation, m_ok, m_help});
}

void CheckLocationView::refresh()
{
    m_name->setText(qtext(m_dialog.itemName()));
    m_file->setText(qtext(m_dialog.itemFileName()));
    m_filling = true;
    m_folders->clear();
    for (const std::string& folder : m_dialog.folders())
        m_folders->addItem(qtext(folder));
    m_folders->setCurrentRow(m_dialog.itemIndex());
    m_filling = false;
}

void CheckLocationView::closeRequested()
{
    m_dialog.OKClick();
}

}  // namespace qv::gui
