#include "items/FolderItemNamingView.h"

#include "app/LimitedLineEdit.h"
#include "app/WindowText.h"
#include "items/FolderItemNaming.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace qv::gui {

namespace {
constexpr std::string_view kSection = "AddDir_Ask";
}

FolderItemNamingView::FolderItemNamingView(FolderItemNaming& naming, const Language& language, QWidget* parent)
    : ModalView(naming, parent)
    , m_naming(naming)
{
    setObjectName(QStringLiteral("FolderItemNaming"));
    // A title without a close box: the name is decided by OK or Cancel.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    m_nameFor = new QLabel(this);
    m_fileName = new QLabel(this);
    m_fileName->setObjectName(QStringLiteral("filename"));
    QFont bold = m_fileName->font();
    bold.setBold(true);
    m_fileName->setFont(bold);
    m_name = new LimitedLineEdit(FolderItemNaming::capacity(), this);
    m_name->setObjectName(QStringLiteral("rename"));
    m_name->setMinimumWidth(300);
    m_ok = new QPushButton(this);
    m_ok->setObjectName(QStringLiteral("add"));
    m_ok->setDefault(true);
    m_cancel = new QPushButton(this);
    m_cancel->setObjectName(QStringLiteral("cancel"));
    m_cancel->setAutoDefault(false);

    auto* line = new QHBoxLayout;
    line->addWidget(m_nameFor);
    line->addWidget(m_fileName, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_ok);
    buttons->addWidget(m_cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(line);
    layout->addWidget(m_name);
    layout->addLayout(buttons);

    connect(m_name, &LimitedLineEdit::valueEdited, this, [this](const QString& t) { m_naming.setName(t.toStdString()); });
    // Enter in the edit is OK; the default button takes it.
    connect(m_ok, &QPushButton::clicked, this, [this] {
        m_naming.okClick();
        afterCommand();
    });
    connect(m_cancel, &QPushButton::clicked, this, [this] {
        m_naming.cancelClick();
        afterCommand();
    });
    retranslate(language);
    refresh();
    m_name->selectAll();
    m_name->setFocus();
    adjustSize();
}

void FolderItemNamingView::retranslate(const Language& language)
{
    setWindowTitle(qtext(FolderItemNaming::title(language)));
    m_nameFor->setText(qtext(FolderItemNaming::text(language, FolderItemNaming::NameFor)));
    m_ok->setText(qtext(FolderItemNaming::text(language, FolderItemNaming::OkButton)));
    m_cancel->setText(qtext(FolderItemNaming::text(language, FolderItemNaming::CancelButton)));
    applyFontSizes(language, kSection, {m_nameFor, m_ok, m_cancel});
}

void FolderItemNamingView::refresh()
{
    m_fileName->setText(qtext(m_naming.fileName()));
    m_name->showText(qtext(m_naming.name()));
}

void FolderItemNamingView::closeRequested()
{
    m_naming.cancelClick();
}

}  // namespace qv::gui
