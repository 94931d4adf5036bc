#include "MenuWindow.h"

#include <set>

#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPlainTextEdit>
#include <QProgressDialog>
#include <QScreen>
#include <QSoundEffect>
#include <QStyle>
#include <QUrl>
#include <QVBoxLayout>

#include "DetailsView.h"
#include "MenuBox.h"
#include "MenuButton.h"
#include "Painting.h"
#include "QtDesktop.h"
#include "util/Fs.h"
#include "util/Text.h"

namespace rnv {

namespace fs = std::filesystem;

namespace {

constexpr int kHeaderHeight = 64;
constexpr int kMargin = 18;
// An info text larger than this is shown cut; nobody reads megabytes in a menu.
constexpr std::uintmax_t kMaxInfoBytes = 4u << 20;

double luminance(const QColor& c)
{
    return 0.299 * c.redF() + 0.587 * c.greenF() + 0.114 * c.blueF();
}

QIcon iconFromFile(const fs::path& path, QStyle::StandardPixmap fallback)
{
    const QImage image = loadPicture(path);
    if (!image.isNull())
        return QIcon(QPixmap::fromImage(image));
    return QApplication::style()->standardIcon(fallback);
}

QStyle::StandardPixmap fallbackFor(int type)
{
    switch (type) {
    case 0:
        return QStyle::SP_ComputerIcon;
    case 4:
        return QStyle::SP_DriveNetIcon;
    case kJumpPointType:
        return QStyle::SP_DirIcon;
    default:
        return QStyle::SP_FileIcon;
    }
}

}  // namespace

void loadMenuFonts(const MenuData& data)
{
    static std::set<fs::path> loaded;
    for (const fs::path& font : data.fonts) {
        if (loaded.insert(font).second)
            QFontDatabase::addApplicationFont(toQString(font));
    }
}

MenuWindow::MenuWindow(MenuData menu, std::unique_ptr<Desktop> desktop, Options options, QWidget* parent)
    : QWidget(parent)
    , m_data(std::move(menu))
    , m_desktop(desktop ? std::move(desktop)
                        : std::make_unique<QtDesktop>(this, m_data.cdName.empty() ? std::string("Quenvar") : m_data.cdName,
                                                      m_data.words[Word::Ok]))
    , m_actions(m_data, *m_desktop)
    , m_options(options)
{
    loadMenuFonts(m_data);
    const MenuLook& look = m_data.look;
    if (look.backgroundPicture)
        m_background = loadPicture(m_data.background);
    m_buttonPicture = loadPicture(m_data.buttonPicture);

    setWindowTitle(toQString(m_data.cdName.empty() ? std::string("Quenvar") : m_data.cdName));
    const QImage icon = loadPicture(m_data.icon);
    if (!icon.isNull())
        setWindowIcon(QIcon(QPixmap::fromImage(icon)));
    setFixedSize(840, 560);

    const RuntimeWords& w = m_data.words;
    // The box pictures: 1 takes the background picture, 2 the button picture.
    const QImage backPicture = m_background.isNull() ? loadPicture(m_data.background) : m_background;
    auto boxPicture = [&](const BoxLook& box) {
        return box.picture == BoxPicture::Background ? backPicture
             : box.picture == BoxPicture::Button     ? m_buttonPicture
                                                     : QImage();
    };
    m_boxes[0] = new MenuBox(look.categoryBox, boxPicture(look.categoryBox), toQString(w[Word::Categories]), this);
    m_boxes[1] = new MenuBox(look.fileBox, boxPicture(look.fileBox), toQString(w[Word::Items]), this);
    m_boxes[2] = new MenuBox(look.detailsBox, boxPicture(look.detailsBox), toQString(w[Word::Details]), this);
    m_categories = new MenuList(look.categoryText, 32, m_boxes[0]);
    m_items = new MenuList(look.fileText, 24, m_boxes[1]);
    m_details = new DetailsView(m_data, m_boxes[2]);
    m_boxes[0]->setContent(m_categories);
    m_boxes[1]->setContent(m_items);
    m_boxes[2]->setContent(m_details);
    m_categories->installEventFilter(this);
    m_items->installEventFilter(this);

    auto* boxes = new QHBoxLayout;
    boxes->setSpacing(12);
    boxes->addWidget(m_boxes[0], 25);
    boxes->addWidget(m_boxes[1], 32);
    boxes->addWidget(m_boxes[2], 43);

    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(10);
    const std::array<Word, static_cast<std::size_t>(Action::Count)> captions{
        Word::Run, Word::Copy, Word::Info, Word::Screenshot, Word::Web, Word::Quit};
    for (std::size_t a = 0; a < m_buttons.size(); ++a) {
        auto* b = new MenuButton(m_data.look, m_buttonPicture, this);
        b->setText(toQString(w[captions[a]]));
        m_buttons[a] = b;
        if (static_cast<Action>(a) == Action::Quit)
            buttons->addStretch(1);
        buttons->addWidget(b);
        connect(b, &QAbstractButton::clicked, this, [this, a] { runAction(static_cast<Action>(a)); });
    }

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(kMargin, kHeaderHeight + 6, kMargin, kMargin);
    layout->setSpacing(14);
    layout->addLayout(boxes, 1);
    layout->addLayout(buttons);

    if (options.sounds) {
        for (std::size_t s = 0; s < m_sounds.size(); ++s) {
            if (m_data.sounds[s].empty())
                continue;
            m_sounds[s] = new QSoundEffect(this);
            m_sounds[s]->setSource(QUrl::fromLocalFile(toQString(m_data.sounds[s])));
        }
    }

    connect(m_categories, &QListWidget::currentRowChanged, this, [this] {
        categoryChanged();
        playSound(2);
    });
    connect(m_items, &QListWidget::currentRowChanged, this, [this] {
        itemChanged();
        playSound(2);
    });
    connect(m_items, &QListWidget::itemActivated, this, [this] { runAction(Action::Run); });
    connect(m_categories, &QListWidget::itemActivated, this, [this] {
        if (m_items->count() > 0)
            m_items->setFocus();
    });

    buildCategories();
}

MenuWindow::~MenuWindow() = default;

void MenuWindow::buildCategories()
{
    const QSignalBlocker block(m_categories);
    for (const MenuCategory& c : m_data.categories) {
        auto* entry = new QListWidgetItem(iconFromFile(c.icon, QStyle::SP_DirIcon), toQString(c.caption));
        entry->setData(Qt::UserRole, toQString(c.icon));
        m_categories->addItem(entry);
    }
    if (!m_data.categories.empty()) {
        m_categories->setCurrentRow(0);
        m_categories->setFocus();
    }
    categoryChanged();
}

int MenuWindow::currentCategory() const
{
    return m_categories->currentRow();
}

const MenuItem* MenuWindow::currentItem() const
{
    return m_data.item(m_categories->currentRow(), m_items->currentRow());
}

bool MenuWindow::select(int category, int item)
{
    const bool categoryExists = category >= 0 && static_cast<std::size_t>(category) < m_data.categories.size();
    if (!categoryExists || (item >= 0 && !m_data.item(category, item)))
        return false;
    m_categories->setCurrentRow(category);
    if (item >= 0) {
        m_items->setCurrentRow(item);
        m_items->setFocus();
    }
    return true;
}

void MenuWindow::categoryChanged()
{
    const QSignalBlocker block(m_items);
    m_items->clear();
    const int n = m_categories->currentRow();
    if (n >= 0 && static_cast<std::size_t>(n) < m_data.categories.size()) {
        std::array<QIcon, kItemTypeCount> typeIcons;
        for (const MenuItem& item : m_data.categories[static_cast<std::size_t>(n)].items) {
            QIcon& icon = typeIcons[static_cast<std::size_t>(item.type)];
            if (icon.isNull())
                icon = iconFromFile(m_data.typeIcon(item.type), fallbackFor(item.type));
            auto* entry = new QListWidgetItem(icon, toQString(item.caption));
            entry->setData(Qt::UserRole, toQString(m_data.typeIcon(item.type)));
            m_items->addItem(entry);
        }
        if (m_items->count() > 0)
            m_items->setCurrentRow(0);
    }
    itemChanged();
}

void MenuWindow::itemChanged()
{
    if (const MenuItem* item = currentItem())
        m_details->showItem(item);
    else if (!m_data.cfgFound || m_data.categories.empty())
        m_details->showNote(toQString(m_data.words[Word::NoMenu]));
    else
        m_details->showNote(toQString(m_data.words[Word::NoItems]));
    updateButtons();
}

void MenuWindow::updateButtons()
{
    const MenuItem* item = currentItem();
    const ActionSet set = item ? m_actions.available(*item) : ActionSet{};
    button(Action::Run)->setEnabled(set.run);
    button(Action::Run)->setText(toQString(m_data.words[set.runIsProgram || !set.run ? Word::Run : Word::Open]));
    button(Action::Copy)->setEnabled(set.copy);
    button(Action::Info)->setEnabled(set.info);
    button(Action::Screenshot)->setEnabled(set.screenshot);
    button(Action::Homepage)->setEnabled(set.homepage);
}

void MenuWindow::playSound(int number)
{
    if (number < 1 || number > static_cast<int>(m_sounds.size()))
        return;
    if (QSoundEffect* s = m_sounds[static_cast<std::size_t>(number - 1)])
        s->play();
}

void MenuWindow::runAction(Action action)
{
    playSound(3);
    if (action == Action::Quit) {
        close();
        return;
    }
    const MenuItem* item = currentItem();
    if (!item)
        return;
    switch (action) {
    case Action::Run:
        m_actions.run(*item);
        break;
    case Action::Copy:
        copyItem(*item);
        break;
    case Action::Info:
        showInfo(*item);
        break;
    case Action::Screenshot:
        showScreenshot(*item);
        break;
    case Action::Homepage:
        m_actions.openHomepage(*item);
        break;
    case Action::Quit:
    case Action::Count:
        break;
    }
}

void MenuWindow::copyItem(const MenuItem& item)
{
    QProgressDialog progress(toQString(m_data.words.format(Word::CopyProgress, item.caption)),
                             toQString(m_data.words[Word::Cancel]), 0, 1000, this);
    progress.setWindowTitle(windowTitle());
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(0);
    const bool copied = m_actions.copy(item, [&](std::uintmax_t done, std::uintmax_t total) {
        progress.setValue(total == 0 ? 1000 : static_cast<int>(done * 1000 / total));
        QApplication::processEvents();
        return !progress.wasCanceled();
    });
    progress.reset();
    if (copied) {
        playSound(4);
        m_desktop->message(m_data.words[Word::CopyDone]);
    }
}

void MenuWindow::showInfo(const MenuItem& item)
{
    const fs::path file = m_actions.infoFile(item);
    auto bytes = qv::readFileBytes(file);
    if (!bytes)
        return;
    if (bytes->size() > kMaxInfoBytes)
        bytes->resize(kMaxInfoBytes);
    QDialog dialog(this);
    dialog.setWindowTitle(toQString(m_data.words[Word::InfoTitle]) + " - " + toQString(item.caption));
    auto* text = new QPlainTextEdit(&dialog);
    text->setReadOnly(true);
    // Info files come from old systems in their code page; decodeText takes care of that.
    text->setPlainText(toQString(qv::decodeText(*bytes)));
    text->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    auto* buttons = new QDialogButtonBox(&dialog);
    buttons->addButton(toQString(m_data.words[Word::Close]), QDialogButtonBox::AcceptRole);
    connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(text);
    layout->addWidget(buttons);
    dialog.resize(620, 460);
    dialog.exec();
}

void MenuWindow::showScreenshot(const MenuItem& item)
{
    const QImage picture = loadPicture(m_actions.screenshotFile(item));
    if (picture.isNull())
        return;
    QDialog dialog(this);
    dialog.setWindowTitle(toQString(m_data.words[Word::ScreenshotTitle]) + " - " + toQString(item.caption));
    auto* label = new QLabel(&dialog);
    const QSize limit = screen() ? screen()->availableSize() * 0.8 : QSize(1024, 768);
    QPixmap pixmap = QPixmap::fromImage(picture);
    if (pixmap.width() > limit.width() || pixmap.height() > limit.height())
        pixmap = pixmap.scaled(limit, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    label->setPixmap(pixmap);
    auto* buttons = new QDialogButtonBox(&dialog);
    buttons->addButton(toQString(m_data.words[Word::Close]), QDialogButtonBox::AcceptRole);
    connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(label);
    layout->addWidget(buttons);
    dialog.exec();
}

void MenuWindow::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::TextAntialiasing);
    const MenuLook& look = m_data.look;
    const QColor start = toQColor(look.backStart);
    const QColor end = toQColor(look.backEnd);
    paintBackdrop(p, rect(), start, end, m_background, look.tileMode);

    // The heading stands on the background, whose colour the design does not
    // tie to any text colour: take whichever of the category colours reads
    // best on the part of the background behind it.
    const QRect headingArea(0, 0, width(), kHeaderHeight);
    QImage behind(headingArea.size(), QImage::Format_RGB32);
    {
        QPainter bp(&behind);
        paintBackdrop(bp, rect(), start, end, m_background, look.tileMode);
    }
    const double backLum = luminance(QColor(behind.scaled(1, 1, Qt::IgnoreAspectRatio, Qt::SmoothTransformation).pixel(0, 0)));
    const QColor a = toQColor(look.categoryBox.colour);
    const QColor b = toQColor(look.categoryText.colour);
    const QColor headingColour = std::abs(luminance(a) - backLum) >= std::abs(luminance(b) - backLum) ? a : b;

    int x = kMargin;
    const QIcon icon = windowIcon();
    if (!m_data.icon.empty() && !icon.isNull()) {
        icon.paint(&p, QRect(x, (kHeaderHeight - 40) / 2 + 6, 40, 40));
        x += 52;
    }
    TextLook heading = look.categoryText;
    heading.size = look.categoryText.size + 10;
    heading.bold = true;
    p.setFont(fontOf(heading));
    const QRect titleRect(x, 6, width() - x - kMargin, kHeaderHeight);
    drawEffectText(p, titleRect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                   QFontMetrics(p.font()).elidedText(windowTitle(), Qt::ElideRight, titleRect.width()), heading,
                   headingColour);
}

void MenuWindow::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

bool MenuWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (watched == m_categories && key->key() == Qt::Key_Right && m_items->count() > 0) {
            m_items->setFocus();
            return true;
        }
        if (watched == m_items && key->key() == Qt::Key_Left) {
            m_categories->setFocus();
            return true;
        }
        if (key->key() == Qt::Key_Escape) {
            close();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace rnv
