#include "record/RecordingDialogView.h"

#include "app/WindowText.h"
#include "record/RecordingDialog.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace qv::gui {

namespace {
constexpr std::string_view kSection = "Burn";
}

RecordingDialogView::RecordingDialogView(RecordingDialog& dialog, const Language& language, QWidget* parent)
    : ModalView(dialog, parent)
    , m_dialog(dialog)
{
    setObjectName(QStringLiteral("Recording"));
    m_heading = new QLabel(this);
    QFont f = m_heading->font();
    f.setBold(true);
    m_heading->setFont(f);
    m_programLabel = new QLabel(this);
    m_programs = new QComboBox(this);
    m_programs->setObjectName(QStringLiteral("rs_c"));
    m_programs->setMinimumWidth(220);
    m_programLabel->setBuddy(m_programs);
    m_build = new QPushButton(this);
    m_build->setObjectName(QStringLiteral("generate"));
    m_build->setAutoDefault(false);
    m_ok = new QPushButton(this);
    m_ok->setObjectName(QStringLiteral("add"));
    m_ok->setDefault(true);
    m_cancel = new QPushButton(this);
    m_cancel->setObjectName(QStringLiteral("Cancel"));
    m_cancel->setAutoDefault(false);
    m_help = new QPushButton(this);
    m_help->setObjectName(QStringLiteral("Help"));
    m_help->setAutoDefault(false);

    auto* grid = new QGridLayout;
    grid->addWidget(m_programLabel, 0, 0);
    grid->addWidget(m_programs, 0, 1);
    grid->addWidget(m_build, 1, 1, Qt::AlignLeft);
    grid->setColumnStretch(1, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_ok);
    buttons->addWidget(m_cancel);
    buttons->addWidget(m_help);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_heading);
    layout->addSpacing(6);
    layout->addLayout(grid);
    layout->addSpacing(12);
    layout->addStretch(1);
    layout->addLayout(buttons);

    connect(m_build, &QPushButton::clicked, this, [this] {
        m_dialog.buildClick();
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
    resize(std::max(width(), 460), height());
}

void RecordingDialogView::retranslate(const Language& language)
{
    setWindowTitle(languageText(language, "T9"));
    m_heading->setText(windowText(language, kSection, "E1"));
    m_programLabel->setText(windowText(language, kSection, "E2"));
    // The build button's text is its hint: a bare picture would not say what it does.
    m_build->setText(windowText(language, kSection, "E3"));
    m_build->setToolTip(windowText(language, kSection, "E3"));
    m_ok->setText(windowText(language, kSection, "E4"));
    m_cancel->setText(windowText(language, kSection, "E5"));
    m_help->setText(windowText(language, kSection, "E6"));
    applyFontSizes(language, kSection, {m_programLabel, m_build, m_ok, m_cancel, m_help});
}

void RecordingDialogView::refresh()
{
    m_programs->clear();
    for (const std::string& r : m_dialog.recorders())
        m_programs->addItem(qtext(r));
    m_programs->setCurrentIndex(m_dialog.recorderIndex());
}

void RecordingDialogView::closeRequested()
{
    m_dialog.cancelClick();
}

}  // namespace qv::gui
