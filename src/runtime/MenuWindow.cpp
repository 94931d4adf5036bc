#include "MenuWindow.h"

#include <set>

#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFontDatabase>
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

// Text sizes as Qt draws them, for the scene's layout.
class QtMeasure final : public TextMeasure {
public:
    int width(const TextLook& font, std::string_view utf8) const override
    {
        return QFontMetrics(fontOf(font)).horizontalAdvance(toQString(std::string(utf8)));
    }
    int height(const TextLook& font) const override { return QFontMetrics(fontOf(font)).height(); }
};

Key keyOf(int qtKey)
{
    switch (qtKey) {
    case Qt::Key_Left:
        return Key::Left;
    case Qt::Key_Right:
        return Key::Right;
    case Qt::Key_Escape:
        return Key::Escape;
    default:
        return Key::Enter;
    }
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
    , m_desktop(desktop ? std::move(desktop)
                        : std::make_unique<QtDesktop>(this, menu.cdName.empty() ? std::string("Quenvar") : menu.cdName,
                                                      menu.words[Word::Ok]))
    , m_scene(std::move(menu), *m_desktop)
    , m_options(options)
{
    const MenuData& data = m_scene.data();
    loadMenuFonts(data);
    const MenuLook& look = data.look;
    if (look.backgroundPicture)
        m_background = loadPicture(data.background);
    m_buttonPicture = loadPicture(data.buttonPicture);

    setWindowTitle(toQString(m_scene.title()));
    const QImage icon = loadPicture(data.icon);
    if (!icon.isNull())
        setWindowIcon(QIcon(QPixmap::fromImage(icon)));
    setFixedSize(MenuScene::kWindowWidth, MenuScene::kWindowHeight);

    const RuntimeWords& w = data.words;
    // The box pictures: 1 takes the background picture, 2 the button picture.
    const QImage backPicture = m_background.isNull() ? loadPicture(data.background) : m_background;
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
    m_details = new DetailsView(data, m_boxes[2]);
    m_boxes[0]->setContent(m_categories);
    m_boxes[1]->setContent(m_items);
    m_boxes[2]->setContent(m_details);
    m_categories->installEventFilter(this);
    m_items->installEventFilter(this);

    for (std::size_t a = 0; a < m_buttons.size(); ++a) {
        auto* b = new MenuButton(look, m_buttonPicture, this);
        m_buttons[a] = b;
        connect(b, &QAbstractButton::clicked, this, [this, a] { runAction(static_cast<Action>(a)); });
    }

    if (options.sounds) {
        for (std::size_t s = 0; s < m_sounds.size(); ++s) {
            const fs::path sound = m_scene.sound(static_cast<int>(s) + 1);
            if (sound.empty())
                continue;
            m_sounds[s] = new QSoundEffect(this);
            m_sounds[s]->setSource(QUrl::fromLocalFile(toQString(sound)));
        }
    }

    connect(m_categories, &QListWidget::currentRowChanged, this, [this](int row) {
        m_scene.select(row);
        categoryChanged();
        playSound(2);
    });
    connect(m_items, &QListWidget::currentRowChanged, this, [this](int row) {
        m_scene.selectItem(row);
        itemChanged();
        playSound(2);
    });
    connect(m_items, &QListWidget::itemActivated, this, [this] {
        m_scene.setFocus(Pane::Items);
        applyKey(Key::Enter);
    });
    connect(m_categories, &QListWidget::itemActivated, this, [this] {
        m_scene.setFocus(Pane::Categories);
        applyKey(Key::Enter);
    });

    buildCategories();
    placeWidgets();
}

void MenuWindow::placeWidgets()
{
    const SceneLayout layout = m_scene.layout(width(), height(), QtMeasure());
    for (std::size_t i = 0; i < m_boxes.size(); ++i) {
        const Rect& r = layout.boxes[i].frame;
        m_boxes[i]->setGeometry(r.x, r.y, r.width, r.height);
    }
    for (std::size_t a = 0; a < m_buttons.size(); ++a) {
        const SceneButton& b = layout.buttons[a];
        m_buttons[a]->setText(toQString(b.caption));
        m_buttons[a]->setEnabled(b.enabled);
        m_buttons[a]->setGeometry(b.rect.x, b.rect.y, b.rect.width, b.rect.height);
    }
}

void MenuWindow::resizeEvent(QResizeEvent* event)
{
    placeWidgets();
    QWidget::resizeEvent(event);
}

bool MenuWindow::applyKey(Key key)
{
    const KeyOutcome outcome = m_scene.key(key);
    if (outcome.action)
        runAction(*outcome.action);
    else if (outcome.handled)
        (m_scene.focus() == Pane::Items ? m_items : m_categories)->setFocus();
    return outcome.handled;
}

MenuWindow::~MenuWindow() = default;

void MenuWindow::buildCategories()
{
    const QSignalBlocker block(m_categories);
    for (const MenuCategory& c : m_scene.data().categories) {
        auto* entry = new QListWidgetItem(iconFromFile(c.icon, QStyle::SP_DirIcon), toQString(c.caption));
        entry->setData(Qt::UserRole, toQString(c.icon));
        m_categories->addItem(entry);
    }
    if (m_scene.category() >= 0) {
        m_categories->setCurrentRow(m_scene.category());
        m_categories->setFocus();
    }
    categoryChanged();
}

int MenuWindow::currentCategory() const
{
    return m_scene.category();
}

const MenuItem* MenuWindow::currentItem() const
{
    return m_scene.currentItem();
}

bool MenuWindow::select(int category, int item)
{
    if (!m_scene.select(category, item))
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
    const MenuData& data = m_scene.data();
    const int n = m_scene.category();
    if (n >= 0 && static_cast<std::size_t>(n) < data.categories.size()) {
        std::array<QIcon, kItemTypeCount> typeIcons;
        for (const MenuItem& item : data.categories[static_cast<std::size_t>(n)].items) {
            QIcon& icon = typeIcons[static_cast<std::size_t>(item.type)];
            if (icon.isNull())
                icon = iconFromFile(data.typeIcon(item.type), fallbackFor(item.type));
            auto* entry = new QListWidgetItem(icon, toQString(item.caption));
            entry->setData(Qt::UserRole, toQString(data.typeIcon(item.type)));
            m_items->addItem(entry);
        }
        if (m_scene.item() >= 0)
            m_items->setCurrentRow(m_scene.item());
    }
    itemChanged();
}

void MenuWindow::itemChanged()
{
    m_details->show(m_scene.details());
    updateButtons();
}

void MenuWindow::updateButtons()
{
    // A new caption ("Open" for "Run") may change a button's width.
    placeWidgets();
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
    if (!item || !m_scene.enabled(action))
        return;
    switch (action) {
    case Action::Run:
        actions().run(*item);
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
        actions().openHomepage(*item);
        break;
    case Action::Quit:
    case Action::Count:
        break;
    }
}

void MenuWindow::copyItem(const MenuItem& item)
{
    QProgressDialog progress(toQString(data().words.format(Word::CopyProgress, item.caption)),
                             toQString(data().words[Word::Cancel]), 0, 1000, this);
    progress.setWindowTitle(windowTitle());
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(0);
    const bool copied = actions().copy(item, [&](std::uintmax_t done, std::uintmax_t total) {
        progress.setValue(total == 0 ? 1000 : static_cast<int>(done * 1000 / total));
        QApplication::processEvents();
        return !progress.wasCanceled();
    });
    progress.reset();
    if (copied) {
        playSound(4);
        m_desktop->message(data().words[Word::CopyDone]);
    }
}

void MenuWindow::showInfo(const MenuItem& item)
{
    const fs::path file = actions().infoFile(item);
    auto bytes = qv::readFileBytes(file);
    if (!bytes)
        return;
    if (bytes->size() > kMaxInfoBytes)
        bytes->resize(kMaxInfoBytes);
    QDialog dialog(this);
    dialog.setWindowTitle(toQString(data().words[Word::InfoTitle]) + " - " + toQString(item.caption));
    auto* text = new QPlainTextEdit(&dialog);
    text->setReadOnly(true);
    // Info files come from old systems in their code page; decodeText takes care of that.
    text->setPlainText(toQString(qv::decodeText(*bytes)));
    text->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    auto* buttons = new QDialogButtonBox(&dialog);
    buttons->addButton(toQString(data().words[Word::Close]), QDialogButtonBox::AcceptRole);
    connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(text);
    layout->addWidget(buttons);
    dialog.resize(620, 460);
    dialog.exec();
}

void MenuWindow::showScreenshot(const MenuItem& item)
{
    const QImage picture = loadPicture(actions().screenshotFile(item));
    if (picture.isNull())
        return;
    QDialog dialog(this);
    dialog.setWindowTitle(toQString(data().words[Word::ScreenshotTitle]) + " - " + toQString(item.caption));
    auto* label = new QLabel(&dialog);
    const QSize limit = screen() ? screen()->availableSize() * 0.8 : QSize(1024, 768);
    QPixmap pixmap = QPixmap::fromImage(picture);
    if (pixmap.width() > limit.width() || pixmap.height() > limit.height())
        pixmap = pixmap.scaled(limit, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    label->setPixmap(pixmap);
    auto* buttons = new QDialogButtonBox(&dialog);
    buttons->addButton(toQString(data().words[Word::Close]), QDialogButtonBox::AcceptRole);
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
    const MenuLook& look = data().look;
    const SceneLayout layout = m_scene.layout(width(), height(), QtMeasure());
    const QColor start = toQColor(look.backStart);
    const QColor end = toQColor(look.backEnd);
    paintBackdrop(p, rect(), start, end, m_background, look.tileMode);

    // The heading stands on the background, whose colour the design does not
    // tie to any text colour: take whichever of the category colours reads
    // best on the part of the background behind it.
    const QRect headingArea(0, 0, width(), layout.header.height);
    QImage behind(headingArea.size(), QImage::Format_RGB32);
    {
        QPainter bp(&behind);
        paintBackdrop(bp, rect(), start, end, m_background, look.tileMode);
    }
    const double backLum = luminance(QColor(behind.scaled(1, 1, Qt::IgnoreAspectRatio, Qt::SmoothTransformation).pixel(0, 0)));
    const QColor a = toQColor(look.categoryBox.colour);
    const QColor b = toQColor(look.categoryText.colour);
    const QColor headingColour = std::abs(luminance(a) - backLum) >= std::abs(luminance(b) - backLum) ? a : b;

    const QIcon icon = windowIcon();
    if (layout.icon && !icon.isNull())
        icon.paint(&p, QRect(layout.icon->x, layout.icon->y, layout.icon->width, layout.icon->height));
    const TextLook& heading = layout.titleFont;
    p.setFont(fontOf(heading));
    const QRect titleRect(layout.title.x, layout.title.y, layout.title.width, layout.title.height);
    drawEffectText(p, titleRect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                   QFontMetrics(p.font()).elidedText(windowTitle(), Qt::ElideRight, titleRect.width()), heading,
                   headingColour);
}

void MenuWindow::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape && applyKey(Key::Escape))
        return;
    QWidget::keyPressEvent(event);
}

bool MenuWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        // Up and Down stay with the lists, which tell the scene through their current rows.
        if ((watched == m_categories || watched == m_items) &&
            (key == Qt::Key_Left || key == Qt::Key_Right || key == Qt::Key_Escape)) {
            m_scene.setFocus(watched == m_items ? Pane::Items : Pane::Categories);
            if (applyKey(keyOf(key)))
                return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace rnv
