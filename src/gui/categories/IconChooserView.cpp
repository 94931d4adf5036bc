#include "categories/IconChooserView.h"

#include "app/WindowText.h"
#include "categories/IconChooser.h"
#include "categories/IconPixmap.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace qv::gui {

namespace {
constexpr std::string_view kSection = "IconWahl";
}

IconChooserView::IconChooserView(IconChooser& chooser, const Language& language, QWidget* parent)
    : ModalView(chooser, parent)
    , m_chooser(chooser)
{
    setObjectName(QStringLiteral("IconChooser"));
    m_heading = new QLabel(this);
    m_packs = new QComboBox(this);
    m_packs->setObjectName(QStringLiteral("ipwahl"));
    m_icons = new QListWidget(this);
    m_icons->setObjectName(QStringLiteral("icons"));
    m_icons->setViewMode(QListView::IconMode);
    m_icons->setIconSize(QSize(IconChooser::kPictureSize, IconChooser::kPictureSize));
    m_icons->setGridSize(QSize(IconChooser::kPictureSize + 28, IconChooser::kPictureSize + 30));
    m_icons->setResizeMode(QListView::Adjust);
    m_icons->setMovement(QListView::Static);
    m_icons->setUniformItemSizes(true);
    m_icons->setSelectionMode(QAbstractItemView::SingleSelection);
    // Eight icons a line, two lines of a pack of 16 without scrolling.
    m_icons->setMinimumSize(8 * (IconChooser::kPictureSize + 28) + 24, 2 * (IconChooser::kPictureSize + 30) + 16);
    m_ok = new QPushButton(this);
    m_ok->setObjectName(QStringLiteral("OK"));
    m_ok->setDefault(true);
    m_cancel = new QPushButton(this);
    m_cancel->setObjectName(QStringLiteral("Cancel"));
    m_cancel->setAutoDefault(false);

    auto* top = new QHBoxLayout;
    top->addWidget(m_heading, 1);
    top->addWidget(m_packs);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_ok);
    buttons->addWidget(m_cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(m_icons, 1);
    layout->addLayout(buttons);

    connect(m_packs, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (m_filling)
            return;
        m_chooser.ipwahlChange(index);
        afterCommand();
    });
    // What is selected counts, not the keyboard's current item, which the
    // list sets on its own when it takes the focus.
    connect(m_icons, &QListWidget::itemSelectionChanged, this, [this] {
        if (m_filling)
            return;
        const auto items = m_icons->selectedItems();
        m_chooser.selectIcon(items.isEmpty() ? -1 : m_icons->row(items.first()));
    });
    connect(m_icons, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) {
        m_chooser.selectIcon(m_icons->row(item));
        m_chooser.OKClick();
        afterCommand();
    });
    connect(m_ok, &QPushButton::clicked, this, [this] {
        m_chooser.OKClick();
        afterCommand();
    });
    connect(m_cancel, &QPushButton::clicked, this, [this] {
        m_chooser.CancelClick();
        afterCommand();
    });
    retranslate(language);
    refresh();
    adjustSize();
}

void IconChooserView::retranslate(const Language& language)
{
    setWindowTitle(languageText(language, "T12"));
    m_heading->setText(windowText(language, kSection, "E1"));
    m_ok->setText(windowText(language, kSection, "E2"));
    m_cancel->setText(windowText(language, kSection, "E3"));
    applyFontSizes(language, kSection, {m_heading, m_ok, m_cancel});
}

void IconChooserView::refresh()
{
    m_filling = true;
    m_packs->clear();
    for (const std::string& pack : m_chooser.packChoices())
        m_packs->addItem(qtext(pack));
    m_packs->setCurrentIndex(m_chooser.packIndex());
    m_icons->clear();
    const auto& captions = m_chooser.iconCaptions();
    const auto& pictures = m_chooser.pictures();
    for (std::size_t k = 0; k < captions.size(); ++k) {
        auto* item = new QListWidgetItem(qtext(captions[k]), m_icons);
        if (k < pictures.size())
            item->setIcon(QIcon(iconPixmap(pictures[k], IconChooser::kPictureSize)));
        item->setTextAlignment(Qt::AlignHCenter);
    }
    if (m_chooser.selectedIcon() >= 0)
        m_icons->setCurrentRow(m_chooser.selectedIcon());
    m_filling = false;
}

void IconChooserView::closeRequested()
{
    m_chooser.CancelClick();
}

}  // namespace qv::gui
