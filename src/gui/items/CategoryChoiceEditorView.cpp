#include "items/CategoryChoiceEditorView.h"

#include "app/WindowText.h"
#include "items/CategoryChoiceEditor.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace qv::gui {

CategoryChoiceEditorView::CategoryChoiceEditorView(CategoryChoiceEditor& editor, const Language& language,
                                                   QWidget* parent)
    : ModalView(editor, parent)
    , m_editor(editor)
{
    setObjectName(QStringLiteral("CategoryChoiceEditor"));
    m_choice = new QComboBox(this);
    m_choice->setObjectName(QStringLiteral("ComboBox1"));
    m_choice->setMinimumWidth(240);
    m_ok = new QPushButton(this);
    m_ok->setObjectName(QStringLiteral("OK"));
    m_ok->setDefault(true);
    m_cancel = new QPushButton(this);
    m_cancel->setObjectName(QStringLiteral("cancel"));
    m_cancel->setAutoDefault(false);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_ok);
    buttons->addWidget(m_cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_choice);
    layout->addLayout(buttons);

    for (const std::string& caption : m_editor.choices())
        m_choice->addItem(qtext(caption));
    connect(m_choice, &QComboBox::currentIndexChanged, this, [this](int index) { m_editor.choose(index); });
    connect(m_ok, &QPushButton::clicked, this, [this] {
        m_editor.okClick();
        afterCommand();
    });
    connect(m_cancel, &QPushButton::clicked, this, [this] {
        m_editor.cancelClick();
        afterCommand();
    });
    retranslate(language);
    refresh();
    m_choice->setFocus();
}

void CategoryChoiceEditorView::retranslate(const Language& language)
{
    setWindowTitle(languageText(language, "T6"));
    m_ok->setText(windowText(language, CategoryChoiceEditor::kSection, "E1"));
    m_cancel->setText(windowText(language, CategoryChoiceEditor::kSection, "E2"));
    applyFontSizes(language, CategoryChoiceEditor::kSection, {m_ok, m_cancel});
}

void CategoryChoiceEditorView::refresh()
{
    const QSignalBlocker block(m_choice);
    m_choice->setCurrentIndex(m_editor.chosen());
    // Without categories there is nothing OK could write.
    m_ok->setEnabled(m_editor.chosen() >= 0);
}

void CategoryChoiceEditorView::closeRequested()
{
    m_editor.keyReleased(Key::Escape);
}

}  // namespace qv::gui
