#include "items/HyperlinkDialogView.h"

#include "app/LimitedLineEdit.h"
#include "app/WindowText.h"
#include "categories/CategoryList.h"
#include "items/HyperlinkDialog.h"
#include "items/ItemRules.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace qv::gui {

namespace {

constexpr std::string_view kSection = HyperlinkDialog::kSection;

}  // namespace

HyperlinkDialogView::HyperlinkDialogView(HyperlinkDialog& dialog, const Language& language,
                                         const CategoryList& categories, QWidget* parent)
    : ModalView(dialog, parent)
    , m_dialog(dialog)
{
    setObjectName(QStringLiteral("Hyperlink"));
    m_heading = new QLabel(this);
    m_heading->setWordWrap(true);
    m_nameLabel = new QLabel(this);
    m_urlLabel = new QLabel(this);
    m_passwordLabel = new QLabel(this);
    m_descriptionLabel = new QLabel(this);
    m_categoryLabel = new QLabel(this);

    auto edit = [this](const char* name, FieldCapacity capacity) {
        auto* e = new LimitedLineEdit(this);
        e->setObjectName(QString::fromLatin1(name));
        e->setCapacity(capacity);
        return e;
    };
    m_name = edit("anzname", HyperlinkDialog::capacityOf(FieldName));
    m_address = edit("filename", m_dialog.addressCapacity());
    m_address->setCapacity([this] { return std::optional<FieldCapacity>(m_dialog.addressCapacity()); });
    m_address->setMinimumWidth(300);
    m_password = edit("serial", HyperlinkDialog::capacityOf(FieldSerial));
    m_description = edit("desc", HyperlinkDialog::capacityOf(FieldDescription));
    m_scheme = new QComboBox(this);
    m_scheme->setObjectName(QStringLiteral("ComboBox1"));
    for (const std::string_view scheme : kHomepageSchemes)
        m_scheme->addItem(qtext(scheme));
    m_category = new QComboBox(this);
    m_category->setObjectName(QStringLiteral("ComboBox2"));
    for (const std::string& caption : categories.captions())
        m_category->addItem(qtext(caption));
    m_nameLabel->setBuddy(m_name);
    m_urlLabel->setBuddy(m_address);
    m_passwordLabel->setBuddy(m_password);
    m_descriptionLabel->setBuddy(m_description);
    m_categoryLabel->setBuddy(m_category);

    m_ok = new QPushButton(this);
    m_ok->setObjectName(QStringLiteral("OK"));
    m_ok->setDefault(true);
    m_cancel = new QPushButton(this);
    m_cancel->setObjectName(QStringLiteral("Cancel"));
    m_cancel->setAutoDefault(false);
    m_help = new QPushButton(this);
    m_help->setObjectName(QStringLiteral("Help"));
    m_help->setAutoDefault(false);

    auto* grid = new QGridLayout;
    grid->addWidget(m_nameLabel, 0, 0);
    grid->addWidget(m_name, 0, 1, 1, 2);
    grid->addWidget(m_urlLabel, 1, 0);
    grid->addWidget(m_scheme, 1, 1);
    grid->addWidget(m_address, 1, 2);
    grid->addWidget(m_passwordLabel, 2, 0);
    grid->addWidget(m_password, 2, 1, 1, 2);
    grid->addWidget(m_descriptionLabel, 3, 0);
    grid->addWidget(m_description, 3, 1, 1, 2);
    grid->addWidget(m_categoryLabel, 4, 0);
    grid->addWidget(m_category, 4, 1, 1, 2);
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

    HyperlinkDialog::Fields& f = m_dialog.fields();
    connect(m_name, &LimitedLineEdit::valueEdited, this, [&f](const QString& t) { f.name = t.toStdString(); });
    connect(m_address, &LimitedLineEdit::valueEdited, this, [&f](const QString& t) { f.address = t.toStdString(); });
    connect(m_password, &LimitedLineEdit::valueEdited, this, [&f](const QString& t) { f.password = t.toStdString(); });
    connect(m_description, &LimitedLineEdit::valueEdited, this,
            [&f](const QString& t) { f.description = t.toStdString(); });
    connect(m_scheme, &QComboBox::currentIndexChanged, this, [this, &f](int index) {
        f.scheme = index;
        // A longer scheme leaves the address less room.
        m_address->applyCapacity();
    });
    connect(m_category, &QComboBox::currentIndexChanged, this, [&f](int index) { f.category = index; });
    connect(m_ok, &QPushButton::clicked, this, [this] {
        m_dialog.okClick();
        afterCommand();
        // Refused for want of a name: the person types it next.
        if (m_dialog.isOpen())
            m_name->setFocus();
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
    m_name->setFocus();
}

void HyperlinkDialogView::retranslate(const Language& language)
{
    setWindowTitle(qtext(m_dialog.title()));
    m_heading->setText(windowText(language, kSection, "E1"));
    m_nameLabel->setText(windowText(language, kSection, "E2"));
    m_urlLabel->setText(windowText(language, kSection, "E3"));
    m_passwordLabel->setText(windowText(language, kSection, "E4"));
    m_descriptionLabel->setText(windowText(language, kSection, "E5"));
    m_categoryLabel->setText(windowText(language, kSection, "E6"));
    m_ok->setText(windowText(language, kSection, "E7"));
    m_cancel->setText(windowText(language, kSection, "E8"));
    m_help->setText(windowText(language, kSection, "E9"));
    applyFontSizes(language, kSection,
                   {m_heading, m_nameLabel, m_urlLabel, m_passwordLabel, m_descriptionLabel, m_categoryLabel, m_ok,
                    m_cancel, m_help});
    // The heading keeps the size the language gives it, in bold.
    QFont heading = m_heading->font();
    heading.setBold(true);
    m_heading->setFont(heading);
}

void HyperlinkDialogView::refresh()
{
    const HyperlinkDialog::Fields& f = m_dialog.fields();
    const QSignalBlocker blockScheme(m_scheme);
    const QSignalBlocker blockCategory(m_category);
    m_scheme->setCurrentIndex(f.scheme);
    m_category->setCurrentIndex(f.category);
    const auto show = [](LimitedLineEdit* e, const std::string& value) {
        const QString t = qtext(value);
        if (e->text() != t)
            e->showText(t);
    };
    show(m_name, f.name);
    show(m_address, f.address);
    show(m_password, f.password);
    show(m_description, f.description);
}

void HyperlinkDialogView::closeRequested()
{
    m_dialog.cancelClick();
}

}  // namespace qv::gui
