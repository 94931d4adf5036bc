#include "items/AddFileView.h"

#include "app/LimitedLineEdit.h"
#include "app/WindowText.h"
#include "items/AddFileDialog.h"
#include "items/ItemRules.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace qv::gui {

namespace {

using In = AddFileDialog::Input;
using T = AddFileDialog::Text;

constexpr std::string_view kSection = "AFile";
constexpr In kInputs[] = {In::Name, In::Serial, In::CdSize, In::HdSize, In::Description, In::Address};
constexpr const char* kInputNames[] = {"anzname", "serial", "sizep", "sizeup", "desc", "hpurl"};
// The labels in layout order, as the language numbers them.
constexpr T kLabels[] = {T::NameLabel,   T::FileNameLabel,    T::FilePathLabel, T::SerialLabel,
                         T::CdSizeLabel, T::HdSizeLabel,      T::DescriptionLabel, T::CategoryLabel,
                         T::WebsiteLabel};

QPushButton* plainButton(QWidget* parent, const char* name)
{
    auto* b = new QPushButton(parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setAutoDefault(false);
    return b;
}

QLabel* display(QWidget* parent, const char* name)
{
    auto* l = new QLabel(parent);
    l->setObjectName(QString::fromLatin1(name));
    l->setTextInteractionFlags(Qt::TextSelectableByMouse);
    l->setFrameShape(QFrame::StyledPanel);
    l->setFrameShadow(QFrame::Sunken);
    l->setMinimumWidth(260);
    return l;
}

}  // namespace

AddFileView::AddFileView(AddFileDialog& dialog, const Language& language, QWidget* parent)
    : ModalView(dialog, parent)
    , m_dialog(dialog)
{
    setObjectName(QStringLiteral("AddFile"));
    for (auto*& l : m_labels)
        l = new QLabel(this);
    for (std::size_t i = 0; i < std::size(kInputs); ++i) {
        auto* edit = new LimitedLineEdit(dialog.capacity(kInputs[i]), this);
        edit->setObjectName(QString::fromLatin1(kInputNames[i]));
        const In which = kInputs[i];
        connect(edit, &LimitedLineEdit::valueEdited, this,
                [this, which](const QString& t) { m_dialog.setInput(which, t.toStdString()); });
        m_inputs[i] = edit;
    }
    m_fileName = display(this, "filename");
    m_filePath = display(this, "pfad");
    m_sizeFillIn = plainButton(this, "SizefillIn");
    m_sizeFillIn->setMaximumWidth(32);
    m_category = new QComboBox(this);
    m_category->setObjectName(QStringLiteral("ComboBox1"));
    m_copy = new QCheckBox(this);
    m_copy->setObjectName(QStringLiteral("copyd"));
    m_execute = new QCheckBox(this);
    m_execute->setObjectName(QStringLiteral("executed"));
    m_scheme = new QComboBox(this);
    m_scheme->setObjectName(QStringLiteral("ComboBox2"));
    for (std::string_view s : kHomepageSchemes)
        m_scheme->addItem(qtext(s));
    m_selectFile = plainButton(this, "selfilebtn");
    m_ok = plainButton(this, "add");
    m_ok->setDefault(true);
    m_cancel = plainButton(this, "cancel");
    m_help = plainButton(this, "Help");

    for (std::size_t i = 0; i < std::size(kLabels); ++i)
        m_labels[i]->setObjectName(QStringLiteral("label%1").arg(static_cast<int>(kLabels[i])));
    m_labels[0]->setBuddy(input(0));
    m_labels[3]->setBuddy(input(1));
    m_labels[4]->setBuddy(input(2));
    m_labels[5]->setBuddy(input(3));
    m_labels[6]->setBuddy(input(4));
    m_labels[7]->setBuddy(m_category);
    m_labels[8]->setBuddy(input(5));

    auto* grid = new QGridLayout;
    int row = 0;
    auto line = [&](QLabel* label, QWidget* field) {
        grid->addWidget(label, row, 0);
        grid->addWidget(field, row, 1, 1, 3);
        ++row;
    };
    line(m_labels[0], input(0));
    line(m_labels[1], m_fileName);
    line(m_labels[2], m_filePath);
    line(m_labels[3], input(1));
    // CD-Size > HD-Size on one line: the button copies from the left to the right.
    grid->addWidget(m_labels[4], row, 0);
    auto* sizes = new QHBoxLayout;
    sizes->addWidget(input(2), 1);
    sizes->addWidget(m_sizeFillIn);
    sizes->addWidget(m_labels[5]);
    sizes->addWidget(input(3), 1);
    grid->addLayout(sizes, row, 1, 1, 3);
    ++row;
    line(m_labels[6], input(4));
    line(m_labels[7], m_category);
    auto* boxes = new QHBoxLayout;
    boxes->addWidget(m_copy);
    boxes->addSpacing(16);
    boxes->addWidget(m_execute);
    boxes->addStretch(1);
    grid->addLayout(boxes, row, 1, 1, 3);
    ++row;
    grid->addWidget(m_labels[8], row, 0);
    auto* website = new QHBoxLayout;
    website->addWidget(m_scheme);
    website->addWidget(input(5), 1);
    grid->addLayout(website, row, 1, 1, 3);
    grid->setColumnStretch(1, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_selectFile);
    buttons->addStretch(1);
    buttons->addWidget(m_ok);
    buttons->addWidget(m_cancel);
    buttons->addWidget(m_help);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addSpacing(8);
    layout->addLayout(buttons);

    connect(m_category, &QComboBox::activated, this, [this](int i) { m_dialog.setCategoryIndex(i); });
    connect(m_scheme, &QComboBox::activated, this, [this](int i) { m_dialog.setSchemeIndex(i); });
    connect(m_copy, &QCheckBox::clicked, this, [this](bool on) { m_dialog.setCopy(on); });
    connect(m_execute, &QCheckBox::clicked, this, [this](bool on) { m_dialog.setExecutable(on); });
    connect(m_sizeFillIn, &QPushButton::clicked, this, [this] {
        m_dialog.sizeFillInClick();
        afterCommand();
    });
    connect(m_selectFile, &QPushButton::clicked, this, [this] {
        m_dialog.selectFileClick();
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
    refresh();
    adjustSize();
    resize(std::max(width(), 520), height());
}

LimitedLineEdit* AddFileView::input(int which)
{
    return m_inputs[which];
}

void AddFileView::retranslate(const Language& language)
{
    setWindowTitle(qtext(AddFileDialog::title(language)));
    for (std::size_t i = 0; i < std::size(kLabels); ++i)
        m_labels[i]->setText(qtext(AddFileDialog::text(language, kLabels[i])));
    m_sizeFillIn->setText(qtext(AddFileDialog::text(language, T::SizeFillInButton)));
    m_copy->setText(qtext(AddFileDialog::text(language, T::CopyBox)));
    m_execute->setText(qtext(AddFileDialog::text(language, T::ExecuteBox)));
    m_selectFile->setText(qtext(AddFileDialog::text(language, T::SelectFileButton)));
    m_ok->setText(qtext(AddFileDialog::text(language, T::OkButton)));
    m_cancel->setText(qtext(AddFileDialog::text(language, T::CancelButton)));
    m_help->setText(qtext(AddFileDialog::text(language, T::HelpButton)));
    applyFontSizes(language, kSection,
                   {m_labels[0], m_labels[1], m_labels[2], m_labels[3], m_labels[4], m_sizeFillIn, m_labels[5],
                    m_labels[6], m_labels[7], m_copy, m_execute, m_labels[8], m_selectFile, m_ok, m_cancel, m_help});
}

void AddFileView::refresh()
{
    for (std::size_t i = 0; i < std::size(kInputs); ++i)
        m_inputs[i]->showText(qtext(m_dialog.input(kInputs[i])));
    m_fileName->setText(qtext(m_dialog.fileName()));
    m_filePath->setText(qtext(m_dialog.filePath()));
    m_category->clear();
    for (const std::string& c : m_dialog.categories())
        m_category->addItem(qtext(c));
    m_category->setCurrentIndex(m_dialog.categoryIndex());
    m_copy->setChecked(m_dialog.copy());
    m_execute->setChecked(m_dialog.executable());
    m_scheme->setCurrentIndex(m_dialog.schemeIndex());
    if (m_dialog.takeNameFocus()) {
        input(0)->setFocus();
        input(0)->selectAll();
    }
}

void AddFileView::closeRequested()
{
    m_dialog.cancelClick();
}

}  // namespace qv::gui
