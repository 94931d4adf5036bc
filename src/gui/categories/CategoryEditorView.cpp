#include "categories/CategoryEditorView.h"

#include "app/WindowText.h"
#include "categories/CategoryEditor.h"
#include "categories/IconPixmap.h"
#include "i18n/Language.h"
#include "util/Fs.h"

#include <QAction>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QVBoxLayout>

namespace qv::gui {

namespace {

constexpr std::string_view kSection = "Genre";

QPushButton* plainButton(QWidget* parent)
{
    auto* b = new QPushButton(parent);
    // Enter in the name field adds; no button takes it over.
    b->setAutoDefault(false);
    return b;
}

}  // namespace

CategoryEditorView::CategoryEditorView(CategoryEditor& editor, const Language& language, QWidget* parent)
    : ModalView(editor, parent)
    , m_editor(editor)
{
    setObjectName(QStringLiteral("CategoryEditor"));

    m_fileBox = new QGroupBox(this);
    m_file = new QLabel(m_fileBox);
    m_file->setObjectName(QStringLiteral("currentFile"));
    m_file->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_file->setMinimumWidth(200);
    m_new = plainButton(m_fileBox);
    m_new->setObjectName(QStringLiteral("crgf"));
    m_load = plainButton(m_fileBox);
    m_load->setObjectName(QStringLiteral("lgf"));
    m_save = plainButton(m_fileBox);
    m_save->setObjectName(QStringLiteral("sgf"));
    m_saveAs = plainButton(m_fileBox);
    m_saveAs->setObjectName(QStringLiteral("SaveAs"));
    auto* fileLayout = new QVBoxLayout(m_fileBox);
    fileLayout->addWidget(m_file);
    auto* fileButtons = new QHBoxLayout;
    fileButtons->addWidget(m_new);
    fileButtons->addWidget(m_load);
    fileButtons->addWidget(m_save);
    fileButtons->addWidget(m_saveAs);
    fileButtons->addStretch(1);
    fileLayout->addLayout(fileButtons);

    m_listBox = new QGroupBox(this);
    m_list = new QListWidget(m_listBox);
    m_list->setObjectName(QStringLiteral("genreitems"));
    m_list->setIconSize(QSize(kIconSize, kIconSize));
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    // F2 and the space bar open the rename window; a click on the selected
    // entry edits its caption in place.
    m_list->setEditTriggers(QAbstractItemView::SelectedClicked);
    m_list->setContextMenuPolicy(Qt::CustomContextMenu);
    m_list->setMinimumSize(260, 240);
    m_list->installEventFilter(this);
    m_remove = plainButton(m_listBox);
    m_remove->setObjectName(QStringLiteral("rem"));
    m_up = plainButton(m_listBox);
    m_up->setObjectName(QStringLiteral("gup"));
    m_down = plainButton(m_listBox);
    m_down->setObjectName(QStringLiteral("gdown"));
    m_name = new QLineEdit(m_listBox);
    m_name->setObjectName(QStringLiteral("Edit1"));
    m_add = plainButton(m_listBox);
    m_add->setObjectName(QStringLiteral("add"));
    auto* listLayout = new QGridLayout(m_listBox);
    listLayout->addWidget(m_list, 0, 0, 4, 1);
    listLayout->addWidget(m_up, 0, 1);
    listLayout->addWidget(m_down, 1, 1);
    listLayout->addWidget(m_remove, 2, 1);
    listLayout->setRowStretch(3, 1);
    listLayout->addWidget(m_name, 4, 0);
    listLayout->addWidget(m_add, 4, 1);

    m_ok = plainButton(this);
    m_ok->setObjectName(QStringLiteral("OK"));
    m_cancel = plainButton(this);
    m_cancel->setObjectName(QStringLiteral("Cancel"));
    m_help = plainButton(this);
    m_help->setObjectName(QStringLiteral("Help"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_ok);
    buttons->addWidget(m_cancel);
    buttons->addWidget(m_help);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_fileBox);
    layout->addWidget(m_listBox, 1);
    layout->addLayout(buttons);

    m_menu = new QMenu(this);
    m_rename = m_menu->addAction(QString());
    m_changeIcon = m_menu->addAction(QString());
    m_changeIcon->setObjectName(QStringLiteral("chanegicon1"));

    connect(m_new, &QPushButton::clicked, this, [this] { run([this] { m_editor.newClick(); }); });
    connect(m_load, &QPushButton::clicked, this, [this] { run([this] { m_editor.loadClick(); }); });
    connect(m_save, &QPushButton::clicked, this, [this] { run([this] { m_editor.saveClick(); }); });
    connect(m_saveAs, &QPushButton::clicked, this, [this] { run([this] { m_editor.saveAsClick(); }); });
    connect(m_add, &QPushButton::clicked, this, [this] { run([this] { m_editor.addClick(); }); });
    connect(m_name, &QLineEdit::returnPressed, m_add, &QPushButton::click);
    connect(m_remove, &QPushButton::clicked, this, [this] { run([this] { m_editor.removeClick(); }); });
    connect(m_up, &QPushButton::clicked, this, [this] { run([this] { m_editor.upClick(); }); });
    connect(m_down, &QPushButton::clicked, this, [this] { run([this] { m_editor.downClick(); }); });
    connect(m_ok, &QPushButton::clicked, this, [this] { run([this] { m_editor.OKClick(); }); });
    connect(m_cancel, &QPushButton::clicked, this, [this] { run([this] { m_editor.CancelClick(); }); });
    connect(m_help, &QPushButton::clicked, this, [this] { run([this] { m_editor.HelpClick(); }); });
    connect(m_rename, &QAction::triggered, this, [this] { run([this] { m_editor.renameItemClick(); }); });
    connect(m_changeIcon, &QAction::triggered, this, [this] { run([this] { m_editor.changeIconClick(); }); });
    connect(m_name, &QLineEdit::textEdited, this, [this](const QString& t) { m_editor.nameField() = t.toStdString(); });
    connect(m_list, &QListWidget::itemSelectionChanged, this, [this] { selectionChanged(); });
    connect(m_list, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem*) { run([this] { m_editor.categoryDoubleClick(); }); });
    connect(m_list, &QListWidget::itemChanged, this, [this](QListWidgetItem* item) { captionEdited(m_list->row(item)); });
    connect(m_list, &QListWidget::customContextMenuRequested, this,
            [this](const QPoint& pos) { m_menu->popup(m_list->viewport()->mapToGlobal(pos)); });

    retranslate(language);
    refresh();
    resize(sizeHint().expandedTo(QSize(520, 460)));
}

void CategoryEditorView::retranslate(const Language& language)
{
    m_fileBox->setTitle(windowText(language, kSection, "E1"));
    m_new->setText(windowText(language, kSection, "E2"));
    m_load->setText(windowText(language, kSection, "E3"));
    m_save->setText(windowText(language, kSection, "E4"));
    m_saveAs->setText(windowText(language, kSection, "E5"));
    m_listBox->setTitle(windowText(language, kSection, "E6"));
    m_remove->setText(windowText(language, kSection, "E7"));
    m_up->setText(windowText(language, kSection, "E8"));
    m_down->setText(windowText(language, kSection, "E9"));
    m_add->setText(windowText(language, kSection, "E10"));
    m_ok->setText(windowText(language, kSection, "E11"));
    m_cancel->setText(windowText(language, kSection, "E12"));
    m_help->setText(windowText(language, kSection, "E13"));
    m_rename->setText(windowText(language, kSection, "E14"));
    m_changeIcon->setText(windowText(language, kSection, "E15"));
    applyFontSizes(language, kSection,
                   {m_fileBox, m_new, m_load, m_save, m_saveAs, m_listBox, m_remove, m_up, m_down, m_add, m_ok,
                    m_cancel, m_help, m_list});
    refresh();
}

template <class Command>
void CategoryEditorView::run(Command command)
{
    command();
    afterCommand();
}

void CategoryEditorView::refresh()
{
    setWindowTitle(qtext(m_editor.caption()));
    m_file->setText(qtext(pathText(m_editor.currentFile())));
    m_filling = true;
    m_list->clear();
    const auto& pictures = m_editor.pictures();
    for (const CategoryEditor::Entry& e : m_editor.entries()) {
        auto* item = new QListWidgetItem(qtext(e.caption), m_list);
        const bool hasPicture = e.picture >= 0 && e.picture < static_cast<int>(pictures.size());
        item->setIcon(hasPicture ? QIcon(iconPixmap(pictures[static_cast<std::size_t>(e.picture)], kIconSize))
                                 : QIcon(iconPixmap({}, kIconSize)));
        item->setFlags(item->flags() | Qt::ItemIsEditable);
    }
    if (m_editor.selected() >= 0)
        m_list->setCurrentRow(m_editor.selected());
    m_filling = false;
    const QString name = qtext(m_editor.nameField());
    if (m_name->text() != name)
        m_name->setText(name);
    if (m_editor.nameFieldFocusRequested())
        m_name->setFocus();
}

void CategoryEditorView::closeRequested()
{
    m_editor.CancelClick();
}

void CategoryEditorView::selectionChanged()
{
    if (m_filling)
        return;
    const auto items = m_list->selectedItems();
    m_editor.select(items.isEmpty() ? -1 : m_list->row(items.last()));
}

void CategoryEditorView::captionEdited(int row)
{
    if (m_filling)
        return;
    QListWidgetItem* item = m_list->item(row);
    if (!item)
        return;
    // A refused caption (empty) comes back as it was; a taken one as stored.
    // The list is drawn again once the item has finished its edit.
    m_editor.genreitemsEdited(row, item->text().toStdString());
    QMetaObject::invokeMethod(this, [this] { refresh(); }, Qt::QueuedConnection);
}

bool CategoryEditorView::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_list && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        Key k = Key::Other;
        switch (key->key()) {
        case Qt::Key_Delete: k = Key::Delete; break;
        case Qt::Key_F2: k = Key::F2; break;
        case Qt::Key_Space: k = Key::Space; break;
        default: break;
        }
        if (k != Key::Other) {
            run([this, k] { m_editor.categoryKeyDown(k); });
            return true;
        }
    }
    return ModalView::eventFilter(watched, event);
}

}  // namespace qv::gui
