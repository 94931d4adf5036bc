#include "categories/CategoryRenameView.h"

#include "app/WindowText.h"
#include "categories/CategoryRenameWindow.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace qv::gui {

CategoryRenameView::CategoryRenameView(CategoryRenameWindow& window, const Language& language, QWidget* parent)
    : ModalView(window, parent)
    , m_window(window)
{
    setObjectName(QStringLiteral("CategoryRename"));
    m_text = new QLineEdit(this);
    m_text->setMinimumWidth(280);
    m_ok = new QPushButton(this);
    m_ok->setDefault(true);
    m_cancel = new QPushButton(this);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_ok);
    buttons->addWidget(m_cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_text);
    layout->addLayout(buttons);

    connect(m_text, &QLineEdit::textEdited, this, [this](const QString& t) { m_window.text() = t.toStdString(); });
    connect(m_ok, &QPushButton::clicked, this, [this] {
        m_window.okClick();
        afterCommand();
    });
    connect(m_cancel, &QPushButton::clicked, this, [this] {
        m_window.cancelClick();
        afterCommand();
    });
    retranslate(language);
    refresh();
}

void CategoryRenameView::retranslate(const Language& language)
{
    // The category editor's own OK and Cancel: the rename mode belongs to it.
    setWindowTitle(languageText(language, "T3"));
    m_ok->setText(windowText(language, "Genre", "E11"));
    m_cancel->setText(windowText(language, "Genre", "E12"));
}

void CategoryRenameView::refresh()
{
    const QString t = qtext(m_window.text());
    if (m_text->text() != t)
        m_text->setText(t);
    m_text->setFocus();
}

void CategoryRenameView::closeRequested()
{
    m_window.cancelClick();
}

}  // namespace qv::gui
