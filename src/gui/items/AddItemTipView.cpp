#include "items/AddItemTipView.h"

#include "app/WindowText.h"
#include "i18n/Language.h"
#include "items/AddItemTip.h"

#include <QCheckBox>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace qv::gui {

namespace {
constexpr std::string_view kSection = "AddFileInfo";
constexpr int kWidth = 420;
}  // namespace

AddItemTipView::AddItemTipView(AddItemTip& tip, const Language& language, QWidget* parent)
    : ModalView(tip, parent)
    , m_tip(tip)
{
    setObjectName(QStringLiteral("AddItemTip"));
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    // Without a frame of its own the notice needs an edge to stand apart from the window behind it.
    auto* panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("panel"));
    panel->setFrameShape(QFrame::Box);
    panel->setLineWidth(1);
    m_heading = new QLabel(panel);
    m_heading->setObjectName(QStringLiteral("heading"));
    m_advice1 = new QLabel(panel);
    m_advice2 = new QLabel(panel);
    for (QLabel* l : {m_heading, m_advice1, m_advice2})
        l->setWordWrap(true);
    m_showNextTime = new QCheckBox(panel);
    m_showNextTime->setObjectName(QStringLiteral("CheckBox1"));
    m_ok = new QPushButton(panel);
    m_ok->setObjectName(QStringLiteral("OK"));
    m_ok->setDefault(true);

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(m_showNextTime);
    bottom->addStretch(1);
    bottom->addWidget(m_ok);
    auto* inner = new QVBoxLayout(panel);
    inner->setContentsMargins(16, 14, 16, 12);
    inner->addWidget(m_heading);
    inner->addSpacing(6);
    inner->addWidget(m_advice1);
    inner->addSpacing(4);
    inner->addWidget(m_advice2);
    inner->addSpacing(10);
    inner->addLayout(bottom);
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(panel);

    connect(m_showNextTime, &QCheckBox::clicked, this, [this](bool on) { m_tip.setShowNextTime(on); });
    connect(m_ok, &QPushButton::clicked, this, [this] {
        m_tip.okClick();
        afterCommand();
    });
    retranslate(language);
    refresh();
    setFixedWidth(kWidth);
    adjustSize();
}

void AddItemTipView::retranslate(const Language& language)
{
    setWindowTitle(qtext(m_tip.title()));
    m_heading->setText(qtext(m_tip.text(AddItemTip::Heading)));
    m_advice1->setText(qtext(m_tip.text(AddItemTip::Advice1)));
    m_advice2->setText(qtext(m_tip.text(AddItemTip::Advice2)));
    m_showNextTime->setText(qtext(m_tip.text(AddItemTip::ShowNextTime)));
    m_ok->setText(qtext(m_tip.text(AddItemTip::Ok)));
    applyFontSizes(language, kSection, {m_heading, m_advice1, m_advice2, m_showNextTime, m_ok});
    // The heading stands out unless the language sets its size.
    QFont f = m_heading->font();
    f.setBold(true);
    if (language.fontSize("L_AddFileInfo", "L1") <= 0)
        f.setPointSizeF(f.pointSizeF() * 1.25);
    m_heading->setFont(f);
}

void AddItemTipView::refresh()
{
    m_showNextTime->setChecked(m_tip.showNextTime());
}

void AddItemTipView::closeRequested()
{
    // OK is the tip's only way out; Escape takes it too.
    m_tip.okClick();
}

}  // namespace qv::gui
