#include "items/JumpPointDialogView.h"

#include "app/LimitedLineEdit.h"
#include "app/WindowText.h"
#include "categories/CategoryList.h"
#include "items/ItemRules.h"
#include "items/JumpPointDialog.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace qv::gui {

namespace {

constexpr std::string_view kSection = JumpPointDialog::kSection;

}  // namespace

JumpPointDialogView::JumpPointDialogView(JumpPointDialog& dialog, const Language& language,
                                         const CategoryList& categories, QWidget* parent)
    : ModalView(dialog, parent)
    , m_dialog(dialog)
{
    setObjectName(QStringLiteral("JumpPoint"));
    m_heading = new QLabel(this);
    m_heading->setWordWrap(true);
    m_selectFolder = new QPushButton(this);
    m_selectFolder->setObjectName(QStringLiteral("selfilebtn"));
    m_selectFolder->setAutoDefault(false);
    m_nameLabel = new QLabel(this);
    m_pathLabel = new QLabel(this);
    m_serialLabel = new QLabel(this);
    m_descriptionLabel = new QLabel(this);
    m_categoryLabel = new QLabel(this);
    m_websiteLabel = new QLabel(this);

    auto edit = [this](const char* name, FieldCapacity capacity) {
        auto* e = new LimitedLineEdit(this);
        e->setObjectName(QString::fromLatin1(name));
        e->setCapacity(capacity);
        return e;
    };
    m_name = edit("anzname", JumpPointDialog::capacityOf(FieldName));
    // The folder becomes a CD path relative to the project folder only on
    // OK, so its length is not yet the stored one.
    m_path = new QLineEdit(this);
    m_path->setObjectName(QStringLiteral("pfad"));
    m_path->setMinimumWidth(340);
    m_serial = edit("serial", JumpPointDialog::capacityOf(FieldSerial));
    m_description = edit("desc", JumpPointDialog::capacityOf(FieldDescription));
    m_category = new QComboBox(this);
    m_category->setObjectName(QStringLiteral("ComboBox1"));
    for (const std::string& caption : categories.captions())
        m_category->addItem(qtext(caption));
    m_scheme = new QComboBox(this);
    m_scheme->setObjectName(QStringLiteral("ComboBox2"));
    for (const std::string_view scheme : kHomepageSchemes)
        m_scheme->addItem(qtext(scheme));
    m_address = new LimitedLineEdit(this);
    m_address->setObjectName(QStringLiteral("hpurl"));
    m_address->setCapacity([this] { return std::optional<FieldCapacity>(m_dialog.addressCapacity()); });
    m_nameLabel->setBuddy(m_name);
    m_pathLabel->setBuddy(m_path);
    m_serialLabel->setBuddy(m_serial);
    m_descriptionLabel->setBuddy(m_description);
    m_categoryLabel->setBuddy(m_category);
    m_websiteLabel->setBuddy(m_address);

    m_ok = new QPushButton(this);
    m_ok->setObjectName(QStringLiteral("add"));
    m_ok->setDefault(true);
    m_cancel = new QPushButton(this);
    m_cancel->setObjectName(QStringLiteral("cancel"));
    m_cancel->setAutoDefault(false);
    m_help = new QPushButton(this);
    m_help->setObjectName(QStringLiteral("help"));
    m_help->setAutoDefault(false);

    auto* grid = new QGridLayout;
    grid->addWidget(m_pathLabel, 0, 0);
    auto* pathRow = new QHBoxLayout;
    pathRow->addWidget(m_path, 1);
    pathRow->addWidget(m_selectFolder);
    grid->addLayout(pathRow, 0, 1, 1, 2);
    grid->addWidget(m_nameLabel, 1, 0);
    grid->addWidget(m_name, 1, 1, 1, 2);
    grid->addWidget(m_serialLabel, 2, 0);
    grid->addWidget(m_serial, 2, 1, 1, 2);
    grid->addWidget(m_descriptionLabel, 3, 0);
    grid->addWidget(m_description, 3, 1, 1, 2);
    grid->addWidget(m_categoryLabel, 4, 0);
    grid->addWidget(m_category, 4, 1, 1, 2);
    grid->addWidget(m_websiteLabel, 5, 0);
    grid->addWidget(m_scheme, 5, 1);
    grid->addWidget(m_address, 5, 2);
    grid->setColumnStretch(2, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_ok);
    buttons->addWidget(m_cancel);
    buttons->addWidget(m_help);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_heading);
    layout->addSpacing(6);
    layout->addLayout(grid);
    layout->addStretch(1);
    layout->addLayout(buttons);

    JumpPointDialog::Fields& f = m_dialog.fields();
    connect(m_name, &LimitedLineEdit::valueEdited, this, [&f](const QString& t) { f.name = t.toStdString(); });
    connect(m_path, &QLineEdit::textEdited, this, [&f](const QString& t) { f.path = t.toStdString(); });
    connect(m_serial, &LimitedLineEdit::valueEdited, this, [&f](const QString& t) { f.serial = t.toStdString(); });
    connect(m_description, &LimitedLineEdit::valueEdited, this,
            [&f](const QString& t) { f.description = t.toStdString(); });
    connect(m_address, &LimitedLineEdit::valueEdited, this, [&f](const QString& t) { f.address = t.toStdString(); });
    connect(m_category, &QComboBox::currentIndexChanged, this, [&f](int index) { f.category = index; });
    connect(m_scheme, &QComboBox::currentIndexChanged, this, [this, &f](int index) {
        f.scheme = index;
        m_address->applyCapacity();
    });
    connect(m_selectFolder, &QPushButton::clicked, this, [this] {
        m_dialog.selectFolderClick();
        afterCommand();
        // The proposed name "n/a" is to be typed over.
        m_name->setFocus();
        m_name->selectAll();
    });
    connect(m_ok, &QPushButton::clicked, this, [this] {
        m_dialog.okClick();
        afterCommand();
        if (m_dialog.isOpen()) {
            m_name->setFocus();
            m_name->selectAll();
        }
    });
    connect(m_cancel, &QPushButton::clicked, this, [this] {
        m_dialog.cancelClick();
        afterCommand();
    });
    connect(m_help, &QPushButton::clicked, this, [this] {
        m_dialog.helpClick();
        afterCommand();
    });
    retranslate(language);
    refresh();
    m_selectFolder->setFocus();
}

void JumpPointDialogView::retranslate(const Language& language)
{
    setWindowTitle(qtext(m_dialog.title()));
    m_heading->setText(windowText(language, kSection, "E1"));
    m_selectFolder->setText(windowText(language, kSection, "E2"));
    m_nameLabel->setText(windowText(language, kSection, "E3"));
    m_pathLabel->setText(windowText(language, kSection, "E4"));
    m_serialLabel->setText(windowText(language, kSection, "E5"));
    m_descriptionLabel->setText(windowText(language, kSection, "E6"));
    m_categoryLabel->setText(windowText(language, kSection, "E7"));
    m_websiteLabel->setText(windowText(language, kSection, "E8"));
    m_ok->setText(windowText(language, kSection, "E9"));
    m_cancel->setText(windowText(language, kSection, "E10"));
    m_help->setText(windowText(language, kSection, "E11"));
    applyFontSizes(language, kSection,
                   {m_heading, m_selectFolder, m_nameLabel, m_pathLabel, m_serialLabel, m_descriptionLabel,
                    m_categoryLabel, m_websiteLabel, m_ok, m_cancel, m_help});
    // The heading keeps the size the language gives it, in bold.
    QFont heading = m_heading->font();
    heading.setBold(true);
    m_heading->setFont(heading);
}

void JumpPointDialogView::refresh()
{
    const JumpPointDialog::Fields& f = m_dialog.fields();
    const QSignalBlocker blockScheme(m_scheme);
    const QSignalBlocker blockCategory(m_category);
    m_scheme->setCurrentIndex(f.scheme);
    m_category->setCurrentIndex(f.category);
    m_selectFolder->setEnabled(m_dialog.selectFolderEnabled());
    const auto show = [](LimitedLineEdit* e, const std::string& value) {
        const QString t = qtext(value);
        if (e->text() != t)
            e->showText(t);
    };
    show(m_name, f.name);
    show(m_serial, f.serial);
    show(m_description, f.description);
    show(m_address, f.address);
    const QString path = qtext(f.path);
    if (m_path->text() != path)
        m_path->setText(path);
}

void JumpPointDialogView::closeRequested()
{
    m_dialog.cancelClick();
}

}  // namespace qv::gui
