#include "items/FreeTextEditorView.h"

#include "app/LimitedLineEdit.h"
#include "app/WindowText.h"
#include "items/FreeTextEditor.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPushButton>
#include <QVBoxLayout>

namespace qv::gui {

FreeTextEditorView::FreeTextEditorView(FreeTextEditor& editor, const Language& language, QWidget* parent)
    : ModalView(editor, parent)
    , m_editor(editor)
{
    setObjectName(QStringLiteral("FreeTextEditor"));
    m_text = new LimitedLineEdit(this);
    m_text->setObjectName(QStringLiteral("Edit1"));
    m_text->setMinimumWidth(320);
    m_text->setCapacity([this] { return m_editor.capacity(); });
    m_text->installEventFilter(this);
    m_ok = new QPushButton(this);
    m_ok->setObjectName(QStringLiteral("OK"));
    m_ok->setAutoDefault(false);
    m_cancel = new QPushButton(this);
    m_cancel->setObjectName(QStringLiteral("cancel"));
    m_cancel->setAutoDefault(false);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_ok);
    buttons->addWidget(m_cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_text);
    layout->addLayout(buttons);

    connect(m_text, &LimitedLineEdit::valueEdited, this,
            [this](const QString& t) { m_editor.setText(t.toStdString()); });
    connect(m_ok, &QPushButton::clicked, this, [this] {
        m_editor.okClick();
        afterCommand();
    });
    connect(m_cancel, &QPushButton::clicked, this, [this] {
        m_editor.cancelClick();
        afterCommand();
    });
    retranslate(language);
    m_text->showText(qtext(m_editor.text()));
    // The whole text selected, so typing replaces it.
    m_text->selectAll();
    m_text->setFocus();
}

void FreeTextEditorView::retranslate(const Language& language)
{
    setWindowTitle(qtext(m_editor.title()));
    m_ok->setText(windowText(language, FreeTextEditor::kSection, "E1"));
    m_cancel->setText(windowText(language, FreeTextEditor::kSection, "E2"));
    applyFontSizes(language, FreeTextEditor::kSection, {m_ok, m_cancel});
}

void FreeTextEditorView::refresh()
{
    const QString t = qtext(m_editor.text());
    if (m_text->text() != t)
        m_text->showText(t);
    m_text->setFocus();
}

void FreeTextEditorView::closeRequested()
{
    // Escape and the close box: the editor's Escape, which writes nothing.
    m_editor.keyReleased(Key::Escape, false);
}

bool FreeTextEditorView::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_text && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            m_editor.keyReleased(Key::Enter, true);
            afterCommand();
            return true;
        }
    }
    return ModalView::eventFilter(watched, event);
}

}  // namespace qv::gui
