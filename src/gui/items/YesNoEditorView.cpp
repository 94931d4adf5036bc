#include "items/YesNoEditorView.h"

#include "app/WindowText.h"
#include "items/YesNoEditor.h"

#include <QHBoxLayout>
#include <QPushButton>

namespace qv::gui {

YesNoEditorView::YesNoEditorView(YesNoEditor& editor, const Language& language, QWidget* parent)
    : ModalView(editor, parent)
    , m_editor(editor)
{
    setObjectName(QStringLiteral("YesNoEditor"));
    m_yes = new QPushButton(this);
    m_yes->setObjectName(QStringLiteral("yes"));
    m_no = new QPushButton(this);
    m_no->setObjectName(QStringLiteral("no"));
    m_cancel = new QPushButton(this);
    m_cancel->setObjectName(QStringLiteral("cancel"));
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(m_yes);
    layout->addWidget(m_no);
    layout->addWidget(m_cancel);

    connect(m_yes, &QPushButton::clicked, this, [this] {
        m_editor.yesClick();
        afterCommand();
    });
    connect(m_no, &QPushButton::clicked, this, [this] {
        m_editor.noClick();
        afterCommand();
    });
    connect(m_cancel, &QPushButton::clicked, this, [this] {
        m_editor.cancelClick();
        afterCommand();
    });
    retranslate(language);
    m_yes->setFocus();
}

void YesNoEditorView::retranslate(const Language& language)
{
    setWindowTitle(languageText(language, "T6"));
    m_yes->setText(windowText(language, YesNoEditor::kSection, "E1"));
    m_no->setText(windowText(language, YesNoEditor::kSection, "E2"));
    m_cancel->setText(windowText(language, YesNoEditor::kSection, "E3"));
    applyFontSizes(language, YesNoEditor::kSection, {m_yes, m_no, m_cancel});
}

void YesNoEditorView::closeRequested()
{
    m_editor.keyReleased(Key::Escape);
}

}  // namespace qv::gui
