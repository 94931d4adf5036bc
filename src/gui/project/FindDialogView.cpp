#include "project/FindDialogView.h"

#include "ui/Ui.h"
#include "i18n/Language.h"
#include "project/FindDialog.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace qv::gui {

namespace {

// Labels of the find dialog's section, with the English texts where a
// language file lacks them.
struct FindText {
    const char* key;
    const char* english;
};
constexpr FindText kTexts[] = {
    {"E1", "Text to find:"}, {"E2", "Options"}, {"E3", "Case sensitive"}, {"E4", "Whole words only"},
    {"E5", "Regular expressions"}, {"E6", "Direction"}, {"E7", "Top - down"}, {"E8", "Left - right"},
    {"E9", "Scope"}, {"E10", "In entire grid"}, {"E11", "In current column"}, {"E12", "In current row"},
    {"E13", "OK"}, {"E14", "Cancel"}, {"E15", "Help"},
};

QString text(const Language& language, int n)
{
    const FindText& t = kTexts[n - 1];
    const std::string s = language.windowText("FindDlg", t.key);
    return QString::fromStdString(s.empty() ? std::string(t.english) : s);
}

}  // namespace

FindDialogView::FindDialogView(FindDialog& dialog, const Language& language, Ui& ui, std::filesystem::path helpFile,
                               QWidget* parent)
    : QDialog(parent)
    , m_dialog(dialog)
    , m_ui(ui)
    , m_helpFile(std::move(helpFile))
{
    setObjectName(QStringLiteral("FindDialog"));
    m_textLabel = new QLabel(this);
    m_text = new QLineEdit(this);
    m_textLabel->setBuddy(m_text);
    m_optionsBox = new QGroupBox(this);
    m_case = new QCheckBox(m_optionsBox);
    m_whole = new QCheckBox(m_optionsBox);
    m_regex = new QCheckBox(m_optionsBox);
    auto* ob = new QVBoxLayout(m_optionsBox);
    ob->addWidget(m_case);
    ob->addWidget(m_whole);
    ob->addWidget(m_regex);
    m_directionBox = new QGroupBox(this);
    m_topDown = new QRadioButton(m_directionBox);
    m_leftRight = new QRadioButton(m_directionBox);
    auto* db = new QVBoxLayout(m_directionBox);
    db->addWidget(m_topDown);
    db->addWidget(m_leftRight);
    m_scopeBox = new QGroupBox(this);
    m_entire = new QRadioButton(m_scopeBox);
    m_column = new QRadioButton(m_scopeBox);
    m_row = new QRadioButton(m_scopeBox);
    auto* sb = new QVBoxLayout(m_scopeBox);
    sb->addWidget(m_entire);
    sb->addWidget(m_column);
    sb->addWidget(m_row);
    m_ok = new QPushButton(this);
    m_ok->setDefault(true);
    m_cancel = new QPushButton(this);
    m_help = new QPushButton(this);

    auto* grid = new QGridLayout(this);
    grid->addWidget(m_textLabel, 0, 0);
    grid->addWidget(m_text, 0, 1, 1, 2);
    grid->addWidget(m_optionsBox, 1, 0);
    grid->addWidget(m_directionBox, 1, 1);
    grid->addWidget(m_scopeBox, 1, 2);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_ok);
    buttons->addWidget(m_cancel);
    buttons->addWidget(m_help);
    grid->addLayout(buttons, 2, 0, 1, 3);

    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_help, &QPushButton::clicked, this, [this] { m_dialog.HelpClick(m_ui, m_helpFile); });

    // The entries stay between uses: they come from the dialog's options.
    const FindOptions& o = m_dialog.options();
    m_text->setText(QString::fromStdString(o.text));
    m_case->setChecked(o.caseSensitive);
    m_whole->setChecked(o.wholeWords);
    m_regex->setChecked(o.regularExpressions);
    (o.direction == FindOptions::Direction::TopDown ? m_topDown : m_leftRight)->setChecked(true);
    (o.scope == FindOptions::Scope::EntireGrid ? m_entire
     : o.scope == FindOptions::Scope::CurrentColumn ? m_column : m_row)->setChecked(true);
    m_text->selectAll();
    retranslate(language);
}

void FindDialogView::retranslate(const Language& language)
{
    setWindowTitle(QString::fromStdString(FindDialog::title(language)));
    m_textLabel->setText(text(language, 1));
    m_optionsBox->setTitle(text(language, 2));
    m_case->setText(text(language, 3));
    m_whole->setText(text(language, 4));
    m_regex->setText(text(language, 5));
    m_directionBox->setTitle(text(language, 6));
    m_topDown->setText(text(language, 7));
    m_leftRight->setText(text(language, 8));
    m_scopeBox->setTitle(text(language, 9));
    m_entire->setText(text(language, 10));
    m_column->setText(text(language, 11));
    m_row->setText(text(language, 12));
    m_ok->setText(text(language, 13));
    m_cancel->setText(text(language, 14));
    m_help->setText(text(language, 15));
}

void FindDialogView::accept()
{
    FindOptions& o = m_dialog.options();
    o.text = m_text->text().toStdString();
    o.caseSensitive = m_case->isChecked();
    o.wholeWords = m_whole->isChecked();
    o.regularExpressions = m_regex->isChecked();
    o.direction = m_topDown->isChecked() ? FindOptions::Direction::TopDown : FindOptions::Direction::LeftRight;
    o.scope = m_entire->isChecked() ? FindOptions::Scope::EntireGrid
              : m_column->isChecked() ? FindOptions::Scope::CurrentColumn : FindOptions::Scope::CurrentRow;
    m_dialog.OKClick();
    QDialog::accept();
}

void FindDialogView::reject()
{
    m_dialog.CancelClick();
    QDialog::reject();
}

}  // namespace qv::gui
