#include "setup/ProjectDialogView.h"

#include "app/WindowText.h"
#include "setup/ProjectDialog.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace qv::gui {

namespace {
constexpr std::string_view kSection = ProjectDialog::kSection;

QString e(const Language& language, ProjectDialog::Text which)
{
    return qtext(ProjectDialog::text(language, which));
}
}  // namespace

ProjectDialogView::ProjectDialogView(ProjectDialog& dialog, const Language& language, QWidget* parent)
    : ModalView(dialog, parent)
    , m_dialog(dialog)
    , m_language(language)
{
    setObjectName(QStringLiteral("ProjectDialog"));
    m_explanation = new QLabel(this);
    m_explanation->setWordWrap(true);
    m_cdNameLabel = new QLabel(this);
    m_cdName = new QLineEdit(this);
    m_cdName->setObjectName(QStringLiteral("anzname"));
    m_cdNameLabel->setBuddy(m_cdName);
    m_folderLabel = new QLabel(this);
    m_folder = new QLineEdit(this);
    m_folder->setObjectName(QStringLiteral("rootname"));
    m_folder->setReadOnly(true);
    m_folder->setMinimumWidth(320);
    m_browse = new QPushButton(this);
    m_browse->setObjectName(QStringLiteral("browsepfbtn"));
    m_browse->setAutoDefault(false);
    m_categories = new QPushButton(this);
    m_categories->setObjectName(QStringLiteral("genrefilebtn"));
    m_categories->setAutoDefault(false);
    m_design = new QPushButton(this);
    m_design->setObjectName(QStringLiteral("layoutbtn"));
    m_design->setAutoDefault(false);
    m_ok = new QPushButton(this);
    m_ok->setObjectName(QStringLiteral("okbtn"));
    m_ok->setDefault(true);
    m_cancel = new QPushButton(this);
    m_cancel->setObjectName(QStringLiteral("exitbtn"));
    m_cancel->setAutoDefault(false);
    m_help = new QPushButton(this);
    m_help->setObjectName(QStringLiteral("help"));
    m_help->setAutoDefault(false);

    auto* grid = new QGridLayout;
    grid->addWidget(m_cdNameLabel, 0, 0);
    grid->addWidget(m_cdName, 0, 1, 1, 2);
    grid->addWidget(m_folderLabel, 1, 0);
    grid->addWidget(m_folder, 1, 1);
    grid->addWidget(m_browse, 1, 2);
    grid->setColumnStretch(1, 1);
    auto* editors = new QHBoxLayout;
    editors->addWidget(m_categories);
    editors->addWidget(m_design);
    editors->addStretch(1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_ok);
    buttons->addWidget(m_cancel);
    buttons->addWidget(m_help);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_explanation);
    layout->addSpacing(6);
    layout->addLayout(grid);
    layout->addSpacing(6);
    layout->addLayout(editors);
    layout->addSpacing(12);
    layout->addStretch(1);
    layout->addLayout(buttons);

    connect(m_cdName, &QLineEdit::textEdited, this, [this](const QString& text) {
        m_dialog.setCdName(text.toStdString());
        refresh();
    });
    connect(m_browse, &QPushButton::clicked, this, [this] {
        m_dialog.browseClick();
        afterCommand();
    });
    connect(m_categories, &QPushButton::clicked, this, [this] {
        m_dialog.categoryEditorClick();
        afterCommand();
    });
    connect(m_design, &QPushButton::clicked, this, [this] {
        m_dialog.designEditorClick();
        afterCommand();
    });
    connect(m_ok, &QPushButton::clicked, this, [this] {
        m_dialog.okClick();
        afterCommand();
    });
    connect(m_cancel, &QPushButton::clicked, this, [this] {
        m_dialog.cancelClick();
        afterCommand();
    });
    connect(m_help, &QPushButton::clicked, this, [this] { m_dialog.helpClick(); });
    retranslate();
    refresh();
    adjustSize();
    resize(std::max(width(), 560), height());
}

void ProjectDialogView::retranslate()
{
    using T = ProjectDialog::Text;
    m_explanation->setText(e(m_language, T::Explanation));
    m_cdNameLabel->setText(e(m_language, T::CdNameLabel));
    m_folderLabel->setText(e(m_language, T::FolderLabel));
    m_browse->setText(e(m_language, T::BrowseButton));
    m_categories->setText(e(m_language, T::CategoryButton));
    m_design->setText(e(m_language, T::DesignButton));
    m_cancel->setText(e(m_language, T::CancelButton));
    m_help->setText(e(m_language, T::HelpButton));
    applyFontSizes(m_language, kSection,
                   {m_cdNameLabel, m_folderLabel, m_browse, m_categories, m_design, m_ok, m_cancel, m_help,
                    m_explanation});
}

void ProjectDialogView::refresh()
{
    setWindowTitle(qtext(m_dialog.title()));
    m_ok->setText(qtext(m_dialog.okCaption()));
    const QString name = qtext(m_dialog.cdName());
    if (m_cdName->text() != name) {
        const int at = m_cdName->cursorPosition();
        m_cdName->setText(name);
        m_cdName->setCursorPosition(std::min(at, static_cast<int>(name.size())));
    }
    m_folder->setText(qtext(m_dialog.projectFolder()));
    m_ok->setEnabled(m_dialog.okEnabled());
    m_categories->setEnabled(m_dialog.categoryEditorEnabled());
    m_design->setEnabled(m_dialog.designEditorEnabled());
}

void ProjectDialogView::closeRequested()
{
    m_dialog.cancelClick();
}

}  // namespace qv::gui
