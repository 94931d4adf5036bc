#include "items/AddFolderView.h"

#include "app/LimitedLineEdit.h"
#include "app/WindowText.h"
#include "items/AddFolderDialog.h"
#include "items/ItemRules.h"

#include <QAbstractTableModel>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelection>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTreeView>
#include <QVBoxLayout>

namespace qv::gui {

using In = AddFolderDialog::Input;
using T = AddFolderDialog::Text;

// The files found, straight from the dialog's entries: a search may list
// many thousands, which a model shows without a widget per file.
class FoundFilesModel final : public QAbstractTableModel {
public:
    explicit FoundFilesModel(const AddFolderDialog& dialog, QObject* parent)
        : QAbstractTableModel(parent)
        , m_dialog(dialog)
    {
    }
    void reload()
    {
        beginResetModel();
        endResetModel();
    }
    void setHeadings(QString path, QString name)
    {
        m_headings[0] = std::move(path);
        m_headings[1] = std::move(name);
        emit headerDataChanged(Qt::Horizontal, 0, 1);
    }
    int rowCount(const QModelIndex& parent = {}) const override
    {
        return parent.isValid() ? 0 : static_cast<int>(m_dialog.entries().size());
    }
    int columnCount(const QModelIndex& parent = {}) const override { return parent.isValid() ? 0 : 2; }
    QVariant data(const QModelIndex& index, int role) const override
    {
        if (role != Qt::DisplayRole || !index.isValid())
            return {};
        const auto& e = m_dialog.entries()[static_cast<std::size_t>(index.row())];
        return qtext(index.column() == 0 ? e.folder : e.name);
    }
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override
    {
        if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 && section < 2)
            return m_headings[section];
        return QAbstractTableModel::headerData(section, orientation, role);
    }

private:
    const AddFolderDialog& m_dialog;
    QString m_headings[2];
};

namespace {

constexpr std::string_view kSection = "AddDir";

QPushButton* plainButton(QWidget* parent, const char* name)
{
    auto* b = new QPushButton(parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setAutoDefault(false);
    return b;
}

LimitedLineEdit* inputEdit(AddFolderDialog& dialog, In which, const char* name, QWidget* parent)
{
    auto* edit = new LimitedLineEdit(dialog.capacity(which), parent);
    edit->setObjectName(QString::fromLatin1(name));
    QObject::connect(edit, &LimitedLineEdit::valueEdited, parent,
                     [&dialog, which](const QString& t) { dialog.setInput(which, t.toStdString()); });
    return edit;
}

}  // namespace

AddFolderView::AddFolderView(AddFolderDialog& dialog, const Language& language, QWidget* parent)
    : ModalView(dialog, parent)
    , m_dialog(dialog)
{
    setObjectName(QStringLiteral("AddFolder"));
    m_selectFile = plainButton(this, "selfilebtn");
    m_subfolders = new QCheckBox(this);
    m_subfolders->setObjectName(QStringLiteral("subdirs_check"));

    m_model = new FoundFilesModel(dialog, this);
    m_list = new QTreeView(this);
    m_list->setObjectName(QStringLiteral("FileListBox"));
    m_list->setModel(m_model);
    m_list->setRootIsDecorated(false);
    m_list->setUniformRowHeights(true);
    m_list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_list->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_list->setAlternatingRowColors(true);
    m_list->header()->setStretchLastSection(true);
    m_list->setMinimumSize(440, 200);
    m_note = new QLabel(this);
    m_note->setObjectName(QStringLiteral("note"));
    m_note->setAlignment(Qt::AlignCenter);
    m_note->setFrameShape(QFrame::StyledPanel);
    m_listPlace = new QStackedWidget(this);
    m_listPlace->addWidget(m_note);
    m_listPlace->addWidget(m_list);
    m_listHint = new QLabel(this);
    m_selectAll = plainButton(this, "selectAll");

    m_nameLabel = new QLabel(this);
    m_original = new QRadioButton(this);
    m_original->setObjectName(QStringLiteral("originalok"));
    m_common = new QRadioButton(this);
    m_common->setObjectName(QStringLiteral("renameok"));
    m_ask = new QRadioButton(this);
    m_ask->setObjectName(QStringLiteral("asknameok"));
    m_naming = new QButtonGroup(this);
    m_naming->addButton(m_original, static_cast<int>(AddFolderDialog::Naming::Original));
    m_naming->addButton(m_common, static_cast<int>(AddFolderDialog::Naming::Common));
    m_naming->addButton(m_ask, static_cast<int>(AddFolderDialog::Naming::Ask));
    m_commonName = inputEdit(dialog, In::CommonName, "rename", this);

    m_filePathLabel = new QLabel(this);
    m_filePath = new QLabel(this);
    m_filePath->setObjectName(QStringLiteral("pfad"));
    m_filePath->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_filePath->setFrameShape(QFrame::StyledPanel);
    m_filePath->setFrameShadow(QFrame::Sunken);
    m_serialLabel = new QLabel(this);
    m_serial = inputEdit(dialog, In::Serial, "serial", this);
    m_descriptionLabel = new QLabel(this);
    m_description = inputEdit(dialog, In::Description, "desc", this);
    m_categoryLabel = new QLabel(this);
    m_category = new QComboBox(this);
    m_category->setObjectName(QStringLiteral("ComboBox1"));
    m_copy = new QCheckBox(this);
    m_copy->setObjectName(QStringLiteral("copyd"));
    m_execute = new QCheckBox(this);
    m_execute->setObjectName(QStringLiteral("executed"));
    m_websiteLabel = new QLabel(this);
    m_scheme = new QComboBox(this);
    m_scheme->setObjectName(QStringLiteral("ComboBox2"));
    for (std::string_view s : kHomepageSchemes)
        m_scheme->addItem(qtext(s));
    m_address = inputEdit(dialog, In::Address, "hpurl", this);
    m_ok = plainButton(this, "add");
    m_ok->setDefault(true);
    m_cancel = plainButton(this, "cancel");
    m_help = plainButton(this, "Help");
    m_serialLabel->setBuddy(m_serial);
    m_descriptionLabel->setBuddy(m_description);
    m_categoryLabel->setBuddy(m_category);
    m_websiteLabel->setBuddy(m_address);

    auto* top = new QHBoxLayout;
    top->addWidget(m_selectFile);
    top->addSpacing(12);
    top->addWidget(m_subfolders);
    top->addStretch(1);
    auto* underList = new QHBoxLayout;
    underList->addWidget(m_listHint, 1);
    underList->addWidget(m_selectAll);

    auto* grid = new QGridLayout;
    int row = 0;
    grid->addWidget(m_nameLabel, row, 0, Qt::AlignTop);
    auto* names = new QGridLayout;
    names->addWidget(m_original, 0, 0, 1, 2);
    names->addWidget(m_common, 1, 0);
    names->addWidget(m_commonName, 1, 1);
    names->addWidget(m_ask, 2, 0, 1, 2);
    names->setColumnStretch(1, 1);
    grid->addLayout(names, row++, 1);
    grid->addWidget(m_filePathLabel, row, 0);
    grid->addWidget(m_filePath, row++, 1);
    grid->addWidget(m_serialLabel, row, 0);
    grid->addWidget(m_serial, row++, 1);
    grid->addWidget(m_descriptionLabel, row, 0);
    grid->addWidget(m_description, row++, 1);
    grid->addWidget(m_categoryLabel, row, 0);
    grid->addWidget(m_category, row++, 1);
    auto* boxes = new QHBoxLayout;
    boxes->addWidget(m_copy);
    boxes->addSpacing(16);
    boxes->addWidget(m_execute);
    boxes->addStretch(1);
    grid->addLayout(boxes, row++, 1);
    grid->addWidget(m_websiteLabel, row, 0);
    auto* website = new QHBoxLayout;
    website->addWidget(m_scheme);
    website->addWidget(m_address, 1);
    grid->addLayout(website, row++, 1);
    grid->setColumnStretch(1, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_ok);
    buttons->addWidget(m_cancel);
    buttons->addWidget(m_help);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(m_listPlace, 1);
    layout->addLayout(underList);
    layout->addSpacing(6);
    layout->addLayout(grid);
    layout->addSpacing(8);
    layout->addLayout(buttons);

    connect(m_list->selectionModel(), &QItemSelectionModel::selectionChanged, this, &AddFolderView::selectionChanged);
    connect(m_subfolders, &QCheckBox::clicked, this, [this](bool on) { m_dialog.setIncludeSubfolders(on); });
    connect(m_naming, &QButtonGroup::idClicked, this, [this](int id) {
        m_dialog.setNaming(static_cast<AddFolderDialog::Naming>(id));
        refresh();
    });
    connect(m_category, &QComboBox::activated, this, [this](int i) { m_dialog.setCategoryIndex(i); });
    connect(m_scheme, &QComboBox::activated, this, [this](int i) { m_dialog.setSchemeIndex(i); });
    connect(m_copy, &QCheckBox::clicked, this, [this](bool on) { m_dialog.setCopy(on); });
    connect(m_execute, &QCheckBox::clicked, this, [this](bool on) { m_dialog.setExecutable(on); });
    connect(m_selectFile, &QPushButton::clicked, this, [this] {
        m_dialog.selectFileClick();
        showEntries();
        afterCommand();
    });
    connect(m_selectAll, &QPushButton::clicked, this, [this] {
        m_dialog.selectAllClick();
        afterCommand();
    });
    connect(m_ok, &QPushButton::clicked, this, [this] {
        m_dialog.addClick();
        afterCommand();
    });
    connect(m_cancel, &QPushButton::clicked, this, [this] {
        m_dialog.cancelClick();
        afterCommand();
    });
    connect(m_help, &QPushButton::clicked, this, [this] { m_dialog.helpClick(); });

    retranslate(language);
    showEntries();
    refresh();
    adjustSize();
    resize(std::max(width(), 600), std::max(height(), 620));
}

AddFolderView::~AddFolderView() = default;

void AddFolderView::retranslate(const Language& language)
{
    auto t = [&language](T which) { return qtext(AddFolderDialog::text(language, which)); };
    setWindowTitle(qtext(AddFolderDialog::title(language)));
    m_selectFile->setText(t(T::SelectFileButton));
    m_subfolders->setText(t(T::SubfoldersBox));
    m_model->setHeadings(t(T::PathColumn), t(T::FileNameColumn));
    m_listHint->setText(t(T::ListHint));
    m_selectAll->setText(t(T::SelectAllButton));
    m_nameLabel->setText(t(T::NameLabel));
    m_original->setText(t(T::OriginalNameOption));
    m_ask->setText(t(T::AskOption));
    m_filePathLabel->setText(t(T::FilePathLabel));
    m_serialLabel->setText(t(T::SerialLabel));
    m_descriptionLabel->setText(t(T::DescriptionLabel));
    m_categoryLabel->setText(t(T::CategoryLabel));
    m_copy->setText(t(T::CopyBox));
    m_execute->setText(t(T::ExecuteBox));
    m_websiteLabel->setText(t(T::WebsiteLabel));
    m_ok->setText(t(T::OkButton));
    m_cancel->setText(t(T::CancelButton));
    m_help->setText(t(T::HelpButton));
    // The column headings have no size of their own; the eighteenth size,
    // the one the languages make large, is the note that stands in for the list.
    applyFontSizes(language, kSection,
                   {m_selectFile, m_subfolders, m_listHint, m_selectAll, m_nameLabel, m_original, m_ask,
                    m_filePathLabel, m_serialLabel, m_descriptionLabel, m_categoryLabel, m_copy, m_execute,
                    m_websiteLabel, m_ok, m_cancel, m_help, m_note});
}

void AddFolderView::showEntries()
{
    m_model->reload();
    m_list->resizeColumnToContents(0);
}

void AddFolderView::showSelection()
{
    // Runs of selected entries, so a list of thousands is one selection, not thousands.
    QItemSelection selection;
    const std::size_t n = m_dialog.entries().size();
    std::size_t i = 0;
    while (i < n) {
        if (!m_dialog.isSelected(i)) {
            ++i;
            continue;
        }
        const std::size_t first = i;
        while (i < n && m_dialog.isSelected(i))
            ++i;
        selection.select(m_model->index(static_cast<int>(first), 0), m_model->index(static_cast<int>(i - 1), 1));
    }
    m_showingSelection = true;
    m_list->selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
    m_showingSelection = false;
}

void AddFolderView::selectionChanged(const QItemSelection& selected, const QItemSelection& deselected)
{
    if (m_showingSelection)
        return;
    for (const QItemSelectionRange& r : deselected)
        for (int row = r.top(); row <= r.bottom(); ++row)
            m_dialog.setSelected(static_cast<std::size_t>(row), false);
    for (const QItemSelectionRange& r : selected)
        for (int row = r.top(); row <= r.bottom(); ++row)
            m_dialog.setSelected(static_cast<std::size_t>(row), true);
}

void AddFolderView::refresh()
{
    m_subfolders->setChecked(m_dialog.includeSubfolders());
    m_note->setText(qtext(m_dialog.note()));
    m_listPlace->setCurrentWidget(m_dialog.listVisible() ? static_cast<QWidget*>(m_list) : m_note);
    m_selectAll->setVisible(m_dialog.listVisible());
    m_listHint->setVisible(m_dialog.listVisible());
    if (m_model->rowCount() != static_cast<int>(m_dialog.entries().size()))
        showEntries();
    showSelection();
    m_naming->button(static_cast<int>(m_dialog.naming()))->setChecked(true);
    m_commonName->showText(qtext(m_dialog.input(In::CommonName)));
    m_commonName->setEnabled(m_dialog.naming() == AddFolderDialog::Naming::Common);
    m_filePath->setText(qtext(m_dialog.filePath()));
    m_serial->showText(qtext(m_dialog.input(In::Serial)));
    m_description->showText(qtext(m_dialog.input(In::Description)));
    m_category->clear();
    for (const std::string& c : m_dialog.categories())
        m_category->addItem(qtext(c));
    m_category->setCurrentIndex(m_dialog.categoryIndex());
    m_copy->setChecked(m_dialog.copy());
    m_execute->setChecked(m_dialog.executable());
    m_scheme->setCurrentIndex(m_dialog.schemeIndex());
    m_address->showText(qtext(m_dialog.input(In::Address)));
}

void AddFolderView::closeRequested()
{
    m_dialog.cancelClick();
}

}  // namespace qv::gui
