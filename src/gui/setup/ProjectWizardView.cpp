#include "setup/ProjectWizardView.h"

#include "app/WindowText.h"
#include "setup/ProjectWizard.h"
#include "util/Fs.h"

#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStackedWidget>
#include <QVBoxLayout>

namespace qv::gui {

namespace {

using W = ProjectWizard;
using T = ProjectWizard::Text;

QString e(const Language& language, T which)
{
    return qtext(W::text(language, which));
}

constexpr T kHeadings[W::kPageCount] = {T::WelcomeHeading, T::FolderHeading,   T::GeneralHeading, T::CategoriesHeading,
                                        T::DesignHeading,  T::ItemsHeading,    T::FinishHeading};
constexpr T kTexts[W::kPageCount] = {T::WelcomeText1, T::FolderText, T::GeneralText, T::CategoriesText,
                                     T::DesignText,   T::ItemsText,  T::FinishText};

// The parent folder's entry at the top of the folder list.
const QString kUp = QStringLiteral("..");

}  // namespace

ProjectWizardView::ProjectWizardView(ProjectWizard& wizard, const Language& language, QWidget* parent)
    : ModalView(wizard, parent)
    , m_wizard(wizard)
    , m_language(language)
{
    setObjectName(QStringLiteral("ProjectWizard"));
    auto* stepList = new QVBoxLayout;
    for (int i = 0; i < W::kPageCount; ++i) {
        auto* step = new QLabel(this);
        step->setWordWrap(true);
        step->setMinimumWidth(170);
        step->setMaximumWidth(190);
        stepList->addWidget(step);
        m_steps.push_back(step);
    }
    stepList->addStretch(1);
    auto* side = new QFrame(this);
    side->setObjectName(QStringLiteral("steps"));
    side->setFrameShape(QFrame::StyledPanel);
    side->setLayout(stepList);

    m_pages = new QStackedWidget(this);
    for (int i = 0; i < W::kPageCount; ++i)
        m_pages->addWidget(makePage(i));

    m_back = new QPushButton(this);
    m_back->setObjectName(QStringLiteral("back"));
    m_back->setAutoDefault(false);
    m_next = new QPushButton(this);
    m_next->setObjectName(QStringLiteral("next"));
    m_next->setDefault(true);
    m_finish = new QPushButton(this);
    m_finish->setObjectName(QStringLiteral("finish"));
    m_finish->setAutoDefault(false);
    m_cancel = new QPushButton(this);
    m_cancel->setObjectName(QStringLiteral("cancel"));
    m_cancel->setAutoDefault(false);
    m_help = new QPushButton(this);
    m_help->setObjectName(QStringLiteral("help"));
    m_help->setAutoDefault(false);
    connect(m_back, &QPushButton::clicked, this, [this] { m_wizard.backClick(); afterCommand(); });
    connect(m_next, &QPushButton::clicked, this, [this] { m_wizard.nextClick(); afterCommand(); });
    connect(m_finish, &QPushButton::clicked, this, [this] { m_wizard.finishClick(); afterCommand(); });
    connect(m_cancel, &QPushButton::clicked, this, [this] { m_wizard.cancelClick(); afterCommand(); });
    connect(m_help, &QPushButton::clicked, this, [this] { m_wizard.helpClick(); });

    auto* frameButtons = new QHBoxLayout;
    frameButtons->addWidget(m_help);
    frameButtons->addStretch(1);
    frameButtons->addWidget(m_back);
    frameButtons->addWidget(m_next);
    frameButtons->addWidget(m_finish);
    frameButtons->addSpacing(10);
    frameButtons->addWidget(m_cancel);
    auto* body = new QHBoxLayout;
    body->addWidget(side);
    body->addWidget(m_pages, 1);
    auto* line = new QFrame(this);
    line->setFrameShape(QFrame::HLine);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(body, 1);
    layout->addWidget(line);
    layout->addLayout(frameButtons);

    retranslate();
    refresh();
    resize(760, 480);
}

QPushButton* ProjectWizardView::button(const char* name, void (ProjectWizard::*command)())
{
    auto* b = new QPushButton(this);
    b->setObjectName(QString::fromLatin1(name));
    b->setAutoDefault(false);
    connect(b, &QPushButton::clicked, this, [this, command] {
        (m_wizard.*command)();
        afterCommand();
    });
    m_buttons.push_back(b);
    return b;
}

QWidget* ProjectWizardView::makePage(int index)
{
    auto* page = new QWidget(this);
    auto* layout = new QVBoxLayout(page);
    auto* heading = new QLabel(page);
    QFont f = heading->font();
    f.setBold(true);
    f.setPointSizeF(f.pointSizeF() * 1.3);
    heading->setFont(f);
    auto* text = new QLabel(page);
    text->setWordWrap(true);
    m_headings.push_back(heading);
    m_texts.push_back(text);
    layout->addWidget(heading);
    layout->addWidget(text);
    layout->addSpacing(8);
    auto label = [this, page] {
        auto* l = new QLabel(page);
        m_labels.push_back(l);
        return l;
    };
    auto display = [page](const char* name) {
        auto* d = new QLineEdit(page);
        d->setObjectName(QString::fromLatin1(name));
        d->setReadOnly(true);
        return d;
    };
    switch (static_cast<W::Page>(index)) {
    case W::Page::Welcome: {
        auto* more = new QLabel(page);
        more->setWordWrap(true);
        m_labels.push_back(more);
        layout->addWidget(more);
        break;
    }
    case W::Page::Folder: {
        auto* grid = new QGridLayout;
        m_drives = new QComboBox(page);
        m_drives->setObjectName(QStringLiteral("drives"));
        for (const auto& drive : W::drives())
            m_drives->addItem(qtext(pathText(drive)));
        connect(m_drives, &QComboBox::activated, this, [this](int i) {
            m_wizard.chooseFolder(W::drives().at(static_cast<std::size_t>(i)));
            afterCommand();
        });
        m_listFolder = new QLabel(page);
        m_listFolder->setTextInteractionFlags(Qt::TextSelectableByMouse);
        m_folders = new QListWidget(page);
        m_folders->setObjectName(QStringLiteral("folders"));
        connect(m_folders, &QListWidget::itemActivated, this, [this](QListWidgetItem* item) {
            const std::filesystem::path target = item->text() == kUp
                                                     ? m_wizard.listFolder().parent_path()
                                                     : m_wizard.listFolder() / pathFromText(item->text().toStdString());
            m_wizard.chooseFolder(target);
            afterCommand();
        });
        grid->addWidget(label(), 0, 0);
        grid->addWidget(m_drives, 0, 1, Qt::AlignLeft);
        grid->addWidget(label(), 1, 0, Qt::AlignTop);
        auto* listColumn = new QVBoxLayout;
        listColumn->addWidget(m_listFolder);
        listColumn->addWidget(m_folders, 1);
        grid->addLayout(listColumn, 1, 1);
        auto* folderButtons = new QVBoxLayout;
        folderButtons->addWidget(button("makedir", &W::makeDirectoryClick));
        folderButtons->addWidget(button("explore", &W::exploreClick));
        folderButtons->addWidget(button("deldir", &W::deleteDirectoryClick));
        folderButtons->addStretch(1);
        grid->addLayout(folderButtons, 1, 2);
        grid->setColumnStretch(1, 1);
        layout->addLayout(grid, 1);
        return page;
    }
    case W::Page::General: {
        auto* grid = new QGridLayout;
        m_cdName = new QLineEdit(page);
        m_cdName->setObjectName(QStringLiteral("cdname"));
        connect(m_cdName, &QLineEdit::textEdited, this, [this](const QString& t) {
            m_wizard.setCdName(t.toStdString());
            refresh();
        });
        m_folderDisplay = display("projectfolder");
        grid->addWidget(label(), 0, 0);
        grid->addWidget(m_cdName, 0, 1, 1, 2);
        grid->addWidget(label(), 1, 0);
        grid->addWidget(m_folderDisplay, 1, 1);
        grid->addWidget(button("browse", &W::browseClick), 1, 2);
        grid->setColumnStretch(1, 1);
        layout->addLayout(grid);
        break;
    }
    case W::Page::Categories: {
        auto* row = new QHBoxLayout;
        row->addWidget(button("genreedit", &W::categoryEditorClick));
        row->addWidget(button("genredefault", &W::defaultCategoriesClick));
        row->addStretch(1);
        layout->addLayout(row);
        layout->addSpacing(8);
        layout->addWidget(label());
        m_categoryDisplay = display("genrefile");
        layout->addWidget(m_categoryDisplay);
        break;
    }
    case W::Page::Design: {
        auto* row = new QHBoxLayout;
        row->addWidget(button("mdedit", &W::designEditorClick));
        row->addWidget(button("mddefault", &W::defaultDesignClick));
        row->addStretch(1);
        layout->addLayout(row);
        layout->addSpacing(8);
        layout->addWidget(label());
        m_designDisplay = display("mdfile");
        layout->addWidget(m_designDisplay);
        layout->addSpacing(8);
        m_sampleLink = new QLabel(page);
        m_sampleLink->setObjectName(QStringLiteral("samplelink"));
        m_sampleLink->setTextFormat(Qt::RichText);
        connect(m_sampleLink, &QLabel::linkActivated, this, [this] { m_wizard.sampleMenuClick(); });
        layout->addWidget(m_sampleLink);
        break;
    }
    case W::Page::Items: {
        auto* grid = new QGridLayout;
        grid->addWidget(button("addfile", &W::addFileClick), 0, 0);
        grid->addWidget(button("addfolder", &W::addFolderClick), 0, 1);
        grid->addWidget(button("addurl", &W::addUrlClick), 1, 0);
        grid->addWidget(button("addjump", &W::addJumpClick), 1, 1);
        grid->setColumnStretch(2, 1);
        layout->addLayout(grid);
        break;
    }
    case W::Page::Finish: {
        m_summary = new QLabel(page);
        m_summary->setWordWrap(true);
        m_summary->setTextFormat(Qt::RichText);
        layout->addWidget(m_summary);
        layout->addSpacing(8);
        auto* row = new QHBoxLayout;
        row->addWidget(button("buildnow", &W::buildProjectClick));
        row->addWidget(button("viewproject", &W::viewProjectClick));
        row->addStretch(1);
        layout->addLayout(row);
        break;
    }
    }
    layout->addStretch(1);
    return page;
}

void ProjectWizardView::retranslate()
{
    setWindowTitle(languageText(m_language, "T17"));
    for (int i = 0; i < W::kPageCount; ++i) {
        m_headings[static_cast<std::size_t>(i)]->setText(e(m_language, kHeadings[i]));
        m_texts[static_cast<std::size_t>(i)]->setText(e(m_language, kTexts[i]));
        m_steps[static_cast<std::size_t>(i)]->setText(e(m_language, kHeadings[i]));
    }
    // Labels in the order the pages made them.
    const T labels[] = {T::WelcomeText2, T::DriveLabel, T::FolderListLabel, T::CdNameLabel, T::FolderLabel,
                        T::CategoryFileLabel, T::DesignFileLabel};
    for (std::size_t i = 0; i < m_labels.size() && i < std::size(labels); ++i)
        m_labels[i]->setText(e(m_language, labels[i]));
    // Buttons in the order the pages made them, each with its hint.
    const std::pair<T, T> buttons[] = {
        {T::MakeDirButton, T::MakeDirHint}, {T::ExploreButton, T::ExploreHint}, {T::DeleteDirButton, T::DeleteDirHint},
        {T::BrowseButton, T::BrowseHint}, {T::CategoryEditorButton, T::CategoryEditorHint},
        {T::DefaultCategoriesButton, T::DefaultCategoriesHint}, {T::DesignEditorButton, T::DesignEditorHint},
        {T::DefaultDesignButton, T::DefaultDesignHint}, {T::AddFileButton, T::AddFileHint},
        {T::AddFolderButton, T::AddFolderHint}, {T::AddUrlButton, T::AddUrlHint}, {T::AddJumpButton, T::AddJumpHint},
        {T::BuildButton, T::BuildHint}, {T::ViewButton, T::ViewHint}};
    for (std::size_t i = 0; i < m_buttons.size() && i < std::size(buttons); ++i) {
        m_buttons[i]->setText(e(m_language, buttons[i].first));
        m_buttons[i]->setToolTip(e(m_language, buttons[i].second));
    }
    m_sampleLink->setText(QStringLiteral("<a href=\"sample\">%1</a>").arg(e(m_language, T::SampleLink).toHtmlEscaped()));
    m_back->setText(e(m_language, T::BackButton));
    m_next->setText(e(m_language, T::NextButton));
    m_finish->setText(e(m_language, T::FinishButton));
    m_cancel->setText(e(m_language, T::CancelButton));
    m_help->setText(e(m_language, T::HelpButton));
}

void ProjectWizardView::fillFolderList()
{
    m_listFolder->setText(qtext(pathText(m_wizard.listFolder())));
    m_folders->clear();
    if (m_wizard.listFolder() != m_wizard.listFolder().root_path())
        m_folders->addItem(kUp);
    for (const auto& folder : m_wizard.subfolders())
        m_folders->addItem(qtext(pathText(folder.filename())));
}

void ProjectWizardView::refresh()
{
    const int page = static_cast<int>(m_wizard.page());
    m_pages->setCurrentIndex(page);
    for (int i = 0; i < W::kPageCount; ++i) {
        QLabel* step = m_steps[static_cast<std::size_t>(i)];
        QFont f = step->font();
        f.setBold(i == page);
        step->setFont(f);
        step->setEnabled(i <= page);
    }
    fillFolderList();
    if (m_cdName->text() != qtext(m_wizard.cdName()))
        m_cdName->setText(qtext(m_wizard.cdName()));
    m_folderDisplay->setText(qtext(m_wizard.folderDisplay()));
    m_categoryDisplay->setText(qtext(m_wizard.categoryDisplay()));
    m_designDisplay->setText(qtext(m_wizard.designDisplay()));
    m_summary->setText(QStringLiteral("<table><tr><td>%1&nbsp;</td><td><b>%2</b></td></tr>"
                                      "<tr><td>%3&nbsp;</td><td>%4</td></tr>"
                                      "<tr><td>%5&nbsp;</td><td>%6</td></tr>"
                                      "<tr><td>%7&nbsp;</td><td>%8</td></tr></table>")
                           .arg(e(m_language, T::CdNameLabel).toHtmlEscaped(), qtext(m_wizard.cdName()).toHtmlEscaped(),
                                e(m_language, T::SummaryFolder).toHtmlEscaped(),
                                qtext(m_wizard.folderDisplay()).toHtmlEscaped(),
                                e(m_language, T::SummaryCategories).toHtmlEscaped(),
                                qtext(m_wizard.categoryDisplay()).toHtmlEscaped(),
                                e(m_language, T::SummaryDesign).toHtmlEscaped(),
                                qtext(m_wizard.designDisplay()).toHtmlEscaped()));
    m_back->setEnabled(page > 0);
    m_next->setEnabled(m_wizard.nextEnabled());
    m_finish->setEnabled(m_wizard.page() == W::Page::Finish);
    m_next->setDefault(m_wizard.page() != W::Page::Finish);
}

void ProjectWizardView::closeRequested()
{
    m_wizard.cancelClick();
}

}  // namespace qv::gui
