#include "setup/WelcomeScreenView.h"

#include "app/WindowText.h"
#include "i18n/LanguageManager.h"
#include "setup/WelcomeScreen.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace qv::gui {

namespace {

// A tool button picture holds its three states side by side; the first is the normal one.
QIcon firstState(const std::filesystem::path& picture)
{
    const QPixmap strip(QString::fromStdString(picture.string()));
    if (strip.isNull())
        return {};
    return QIcon(strip.copy(0, 0, strip.width() / 3, strip.height()));
}

}  // namespace

std::filesystem::path wizardPicture(const std::filesystem::path& baseDir, const std::filesystem::path& own)
{
    std::error_code ec;
    return std::filesystem::is_regular_file(own, ec) ? own : baseDir / "Files" / "Images" / "0" / "1editp.bmp";
}

WelcomeScreenView::WelcomeScreenView(WelcomeScreen& screen, const LanguageManager& language,
                                     const std::vector<std::filesystem::path>& pictures, QWidget* parent)
    : ModalView(screen, parent)
    , m_screen(screen)
    , m_language(language)
{
    setObjectName(QStringLiteral("WelcomeScreen"));
    m_heading = new QLabel(this);
    QFont f = m_heading->font();
    f.setBold(true);
    f.setPointSizeF(f.pointSizeF() * 1.3);
    m_heading->setFont(f);
    m_explanation = new QLabel(this);
    m_explanation->setWordWrap(true);

    auto* grid = new QGridLayout;
    const char* names[] = {"new", "zGradBtn1", "openlast", "test"};
    const std::function<void()> commands[] = {[this] { m_screen.newClick(); }, [this] { m_screen.openClick(); },
                                              [this] { m_screen.openLastClick(); },
                                              [this] { m_screen.wizardClick(); }};
    for (int i = 0; i < 4; ++i) {
        auto* button = new QPushButton(this);
        button->setObjectName(QString::fromLatin1(names[i]));
        button->setAutoDefault(false);
        button->setMinimumHeight(48);
        button->setIconSize(QSize(32, 32));
        button->setStyleSheet(QStringLiteral("text-align: left; padding-left: 8px; padding-right: 12px;"));
        if (static_cast<std::size_t>(i) < pictures.size())
            button->setIcon(firstState(pictures[static_cast<std::size_t>(i)]));
        auto* hint = new QLabel(this);
        hint->setWordWrap(true);
        grid->addWidget(button, i, 0);
        grid->addWidget(hint, i, 1);
        m_choices.push_back(button);
        m_hints.push_back(hint);
        connect(button, &QPushButton::clicked, this, [this, command = commands[i]] {
            command();
            afterCommand();
        });
    }
    grid->setColumnStretch(1, 1);
    grid->setHorizontalSpacing(12);

    m_languageLabel = new QLabel(this);
    m_languages = new QComboBox(this);
    m_languages->setObjectName(QStringLiteral("languagew"));
    m_languageLabel->setBuddy(m_languages);
    m_showAgain = new QCheckBox(this);
    m_showAgain->setObjectName(QStringLiteral("showagain"));
    m_cancel = new QPushButton(this);
    m_cancel->setObjectName(QStringLiteral("Cancel"));
    m_cancel->setAutoDefault(false);

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(m_languageLabel);
    bottom->addWidget(m_languages);
    bottom->addSpacing(16);
    bottom->addWidget(m_showAgain);
    bottom->addStretch(1);
    bottom->addWidget(m_cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_heading);
    layout->addWidget(m_explanation);
    layout->addSpacing(10);
    layout->addLayout(grid);
    layout->addSpacing(14);
    layout->addStretch(1);
    layout->addLayout(bottom);

    connect(m_languages, &QComboBox::activated, this, [this](int index) {
        m_screen.languageSelect(index + 1);
        m_showAgain->setFocus();
        refresh();
    });
    connect(m_showAgain, &QCheckBox::toggled, this, [this](bool on) { m_screen.setShowAgain(on); });
    connect(m_cancel, &QPushButton::clicked, this, [this] {
        m_screen.cancelClick();
        afterCommand();
    });
    refresh();
    adjustSize();
    resize(std::max(width(), 620), height());
}

void WelcomeScreenView::refresh()
{
    const Language& language = m_language.current();
    using T = WelcomeScreen::Text;
    setWindowTitle(languageText(language, "T14"));
    m_heading->setText(qtext(WelcomeScreen::text(language, T::Heading)));
    m_explanation->setText(qtext(WelcomeScreen::text(language, T::Explanation)));
    const T captions[] = {T::NewButton, T::OpenButton, T::OpenLastButton, T::WizardButton};
    const T hints[] = {T::NewHint, T::OpenHint, T::OpenLastHint, T::WizardHint};
    for (std::size_t i = 0; i < m_choices.size(); ++i) {
        m_choices[i]->setText(qtext(WelcomeScreen::text(language, captions[i])));
        m_hints[i]->setText(qtext(WelcomeScreen::text(language, hints[i])));
    }
    m_choices[2]->setEnabled(m_screen.openLastEnabled());
    m_hints[2]->setEnabled(m_screen.openLastEnabled());
    if (m_screen.openLastEnabled())
        m_choices[2]->setToolTip(qtext(m_screen.lastProject()));
    m_cancel->setText(qtext(WelcomeScreen::text(language, T::CancelButton)));
    m_showAgain->setText(qtext(WelcomeScreen::text(language, T::ShowAgainBox)));
    m_languageLabel->setText(qtext(WelcomeScreen::text(language, T::LanguageLabel)));
    {
        const QSignalBlocker block(m_languages);
        m_languages->clear();
        for (const std::string& name : m_screen.languageNames())
            m_languages->addItem(qtext(name));
        m_languages->setCurrentIndex(m_screen.languageNumber() - 1);
    }
    {
        const QSignalBlocker block(m_showAgain);
        m_showAgain->setChecked(m_screen.showAgain());
    }
    applyFontSizes(language, WelcomeScreen::kSection,
                   {m_choices[0], m_choices[1], m_choices[2], m_choices[3], m_cancel, m_showAgain});
}

void WelcomeScreenView::closeRequested()
{
    // The close box ends the screen without a choice; onClosed keeps the box's state.
    m_screen.close(ModalResult::None);
}

}  // namespace qv::gui
