#include "items/InfoFileDialogView.h"

#include "app/WindowText.h"
#include "items/InfoFileDialog.h"
#include "items/PictureBox.h"
#include "util/Fs.h"

#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace qv::gui {

namespace {

constexpr std::string_view kSection = InfoFileDialog::kSection;

// The editor keeps line ends as LF; the file's CR LF comes back on save.
QString editorText(const std::string& text)
{
    QString t = qtext(text);
    t.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    t.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return t;
}

QPushButton* button(QWidget* parent, const char* name)
{
    auto* b = new QPushButton(parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setAutoDefault(false);
    return b;
}

}  // namespace

InfoFileDialogView::InfoFileDialogView(InfoFileDialog& dialog, const Language& language, QWidget* parent)
    : ModalView(dialog, parent)
    , m_dialog(dialog)
    , m_infoMode(dialog.mode() == CompanionKind::InfoText)
{
    setObjectName(QStringLiteral("InfoFile"));
    m_heading = new QLabel(this);
    QFont bold = m_heading->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.15);
    m_heading->setFont(bold);
    m_explanation = new QLabel(this);
    m_explanation->setWordWrap(true);
    m_remark = new QLabel(this);
    m_remark->setWordWrap(true);
    m_targetLabel = new QLabel(this);
    m_target = new QLabel(this);
    m_target->setObjectName(QStringLiteral("target"));
    m_target->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_target->setWordWrap(true);

    m_frame = new QGroupBox(this);
    auto* frameLayout = new QVBoxLayout(m_frame);
    if (m_infoMode) {
        m_text = new QPlainTextEdit(m_frame);
        m_text->setObjectName(QStringLiteral("Memo1"));
        // Info files are often drawn for a fixed-width font (nfo files).
        m_text->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
        m_text->setLineWrapMode(QPlainTextEdit::NoWrap);
        // Room for the 80 columns such files are drawn for.
        m_text->setMinimumSize(m_text->fontMetrics().horizontalAdvance(QString(82, QLatin1Char('M'))), 280);
        frameLayout->addWidget(m_text);
        connect(m_text, &QPlainTextEdit::textChanged, this,
                [this] { m_dialog.setText(m_text->toPlainText().toStdString()); });
    } else {
        m_picture = new PictureBox(m_frame);
        m_picture->setObjectName(QStringLiteral("Image1"));
        frameLayout->addWidget(m_picture);
    }

    m_openTemplate = button(this, "new");
    m_clear = button(this, "clear");
    m_paste = button(this, "Paste");
    m_paste->setVisible(!m_infoMode);
    m_save = button(this, "save");
    m_save->setDefault(false);
    m_delete = button(this, "delete");
    m_cancel = button(this, "cancel");
    m_help = button(this, "help");

    auto* place = new QHBoxLayout;
    place->addWidget(m_targetLabel);
    place->addWidget(m_target, 1);
    auto* contentButtons = new QHBoxLayout;
    contentButtons->addWidget(m_openTemplate);
    contentButtons->addWidget(m_clear);
    contentButtons->addWidget(m_paste);
    contentButtons->addStretch(1);
    frameLayout->addLayout(contentButtons);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_help);
    buttons->addStretch(1);
    buttons->addWidget(m_delete);
    buttons->addWidget(m_save);
    buttons->addWidget(m_cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_heading);
    layout->addWidget(m_explanation);
    layout->addWidget(m_remark);
    layout->addLayout(place);
    layout->addWidget(m_frame, 1);
    layout->addLayout(buttons);

    connect(m_openTemplate, &QPushButton::clicked, this, [this] { run(&InfoFileDialog::openTemplateClick); });
    connect(m_clear, &QPushButton::clicked, this, [this] { run(&InfoFileDialog::clearClick); });
    connect(m_paste, &QPushButton::clicked, this, [this] { run(&InfoFileDialog::pasteClick); });
    connect(m_save, &QPushButton::clicked, this, [this] { run(&InfoFileDialog::saveClick); });
    connect(m_delete, &QPushButton::clicked, this, [this] { run(&InfoFileDialog::deleteClick); });
    connect(m_cancel, &QPushButton::clicked, this, [this] { run(&InfoFileDialog::cancelClick); });
    connect(m_help, &QPushButton::clicked, this, [this] { run(&InfoFileDialog::helpClick); });
    retranslate(language);
    refresh();
    if (m_text)
        m_text->setFocus();
    else
        m_paste->setFocus();
}

void InfoFileDialogView::run(void (InfoFileDialog::*command)())
{
    (m_dialog.*command)();
    afterCommand();
}

void InfoFileDialogView::retranslate(const Language& language)
{
    setWindowTitle(qtext(m_dialog.title()));
    m_heading->setText(qtext(m_dialog.heading()));
    m_frame->setTitle(qtext(m_dialog.frameCaption()));
    m_explanation->setText(windowText(language, kSection, m_infoMode ? "E1" : "E3"));
    m_remark->setText(windowText(language, kSection, m_infoMode ? "E2" : "E4"));
    m_targetLabel->setText(windowText(language, kSection, m_infoMode ? "E13" : "E14"));
    m_openTemplate->setText(windowText(language, kSection, "E5"));
    m_clear->setText(qtext(m_dialog.clearCaption()));
    m_paste->setText(windowText(language, kSection, "E6"));
    m_save->setText(windowText(language, kSection, "E7"));
    m_delete->setText(windowText(language, kSection, "E8"));
    m_cancel->setText(windowText(language, kSection, "E9"));
    m_help->setText(windowText(language, kSection, "E10"));
    // L1 to L14 follow the section's E keys; the explanations of the other
    // mode are not shown.
    applyFontSizes(language, kSection,
                   {m_infoMode ? m_explanation : nullptr, m_infoMode ? m_remark : nullptr,
                    m_infoMode ? nullptr : m_explanation, m_infoMode ? nullptr : m_remark, m_openTemplate, m_paste,
                    m_save, m_delete, m_cancel, m_help, nullptr, nullptr, m_infoMode ? m_targetLabel : nullptr,
                    m_infoMode ? nullptr : m_targetLabel});
}

void InfoFileDialogView::refresh()
{
    m_target->setText(qtext(pathText(m_dialog.target())));
    if (m_text) {
        const QString t = editorText(m_dialog.text());
        if (m_text->toPlainText() != t) {
            const QSignalBlocker block(m_text);
            m_text->setPlainText(t);
        }
    }
    if (m_picture) {
        const auto& picture = m_dialog.picture();
        m_picture->setPicture(picture ? PictureBox::toImage(*picture) : QImage());
    }
}

void InfoFileDialogView::closeRequested()
{
    m_dialog.cancelClick();
}

}  // namespace qv::gui
