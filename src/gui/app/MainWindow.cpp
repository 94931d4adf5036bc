#include "app/MainWindow.h"

#include "app/QtUi.h"
#include "application/Application.h"
#include "i18n/Settings.h"
#include "project/ItemTableModel.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QImage>
#include <QKeyEvent>
#include <QResizeEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QStyle>
#include <QTableView>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace qv::gui {

namespace {

QString qstr(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<int>(s.size())); }

QColor qColour(ColourValue v)
{
    const auto rgb = resolveSystemColour(v);
    return QColor(static_cast<int>(rgb & 0xFF), static_cast<int>((rgb >> 8) & 0xFF), static_cast<int>((rgb >> 16) & 0xFF));
}

// Qt's own icon for a tool button whose picture file is missing.
QStyle::StandardPixmap standardIcon(ToolButton b)
{
    switch (b) {
    case ToolButton::New: return QStyle::SP_FileIcon;
    case ToolButton::Open: return QStyle::SP_DialogOpenButton;
    case ToolButton::Save: return QStyle::SP_DialogSaveButton;
    case ToolButton::EditProject: return QStyle::SP_FileDialogDetailedView;
    case ToolButton::Check: return QStyle::SP_DialogApplyButton;
    case ToolButton::Build: return QStyle::SP_DriveCDIcon;
    case ToolButton::Categories: return QStyle::SP_DirIcon;
    case ToolButton::MenuDesign: return QStyle::SP_DesktopIcon;
    case ToolButton::Settings: return QStyle::SP_FileDialogListView;
    case ToolButton::Help: return QStyle::SP_DialogHelpButton;
    case ToolButton::Exit: return QStyle::SP_DialogCloseButton;
    case ToolButton::AddFile: return QStyle::SP_FileIcon;
    case ToolButton::AddFolder: return QStyle::SP_DirOpenIcon;
    case ToolButton::AddJump: return QStyle::SP_ArrowForward;
    case ToolButton::AddUrl: return QStyle::SP_DriveNetIcon;
    case ToolButton::Remove: return QStyle::SP_TrashIcon;
    case ToolButton::Sort: return QStyle::SP_ArrowDown;
    case ToolButton::Find: return QStyle::SP_FileDialogContentsView;
    case ToolButton::InfoFile: return QStyle::SP_MessageBoxInformation;
    case ToolButton::Screenshot: return QStyle::SP_ComputerIcon;
    }
    return QStyle::SP_FileIcon;
}

}  // namespace

MainWindow::MainWindow(Application& app, QtUi& ui)
    : m_app(app)
    , m_ui(ui)
{
    setObjectName(QStringLiteral("MainWindow"));
    buildMenus();
    buildToolBars();
    buildTable();
    const WindowPlacement& w = m_app.frame().settings().window;
    resize(std::max(w.width, 400), std::max(w.height, 300));
    m_ui.setParentWindow(this);
    m_ui.setAfterModal([this] { refresh(); });
    m_app.frame().language().addListener([this](const Language&, const Language&) { retranslate(); });
}

MainWindow::~MainWindow() = default;

QString MainWindow::mainText(std::string_view key, std::string_view fallback) const
{
    if (!key.empty()) {
        const std::string t = m_app.language().windowText("Main", key);
        if (!t.empty())
            return QString::fromStdString(t);
    }
    return qstr(fallback);
}

QMenu* MainWindow::menuFor(const QString& path)
{
    if (auto it = m_menus.find(path); it != m_menus.end())
        return it->second;
    const int slash = path.lastIndexOf('/');
    const QString title = slash < 0 ? path : path.mid(slash + 1);
    QMenu* menu = slash < 0 ? menuBar()->addMenu(title) : menuFor(path.left(slash))->addMenu(title);
    m_menus[path] = menu;
    m_menuEnglish[path] = title;
    return menu;
}

void MainWindow::buildMenus()
{
    for (const Command& c : mainWindowCommands()) {
        const QString entry = qstr(c.entry);
        const int slash = entry.lastIndexOf('/');
        const QString menuPath = qstr(c.menu) + (slash < 0 ? QString() : "/" + entry.left(slash));
        QMenu* menu = menuFor(menuPath);
        auto* act = menu->addAction(slash < 0 ? entry : entry.mid(slash + 1));
        if (!c.key.empty()) {
            act->setShortcut(QKeySequence(qstr(c.key)));
            // A line or cell editor with the focus keeps its own keys.
            act->setShortcutContext(Qt::WindowShortcut);
        }
        const CommandId id = c.id;
        connect(act, &QAction::triggered, this, [this, id] { runCommand(id); });
        m_actions[id] = act;
        switch (id) {
        case CommandId::ToolBar1: case CommandId::ToolBar2: case CommandId::ToolBar3: case CommandId::ToolBar4:
        case CommandId::ToolBar5: case CommandId::ButtonTitles: case CommandId::ButtonSizeSmall:
        case CommandId::ButtonSizeLarge: case CommandId::ShowWelcome: case CommandId::ShowAddItemTip:
        case CommandId::ShowBackground: case CommandId::English: case CommandId::German: case CommandId::Russian:
        case CommandId::Spanish:
            act->setCheckable(true);
            break;
        default:
            break;
        }
        // The grid entries follow the display flags in the Settings submenu.
        if (id == CommandId::ShowBackground) {
            using G = GridMenuEntry;
            QMenu* settings = menu;
            settings->addSeparator();
            auto text = [](G g) {
                for (const auto& t : gridMenuTexts())
                    if (t.entry == g)
                        return qstr(t.english);
                return QString();
            };
            QMenu* mode = settings->addMenu(text(G::GridMode));
            m_gridActions[G::GridMode] = mode->menuAction();
            auto* group = new QActionGroup(this);
            for (const auto& [g, n] : {std::pair{G::GridModeNone, 0}, {G::GridModeColumnMove, 1}, {G::GridModeQuickSort, 2}}) {
                QAction* a = mode->addAction(text(g));
                a->setCheckable(true);
                group->addAction(a);
                const int number = n;
                connect(a, &QAction::triggered, this, [this, number] {
                    m_app.tableCommands().gridModeClick(number);
                    afterCommand();
                });
                m_gridActions[g] = a;
            }
            m_gridActions[G::RestoreGridSettings] = settings->addAction(text(G::RestoreGridSettings), this, [this] {
                GridLayout layout;
                const GridSettings& g = m_app.frame().settings().grid;
                for (int f = 1; f <= kGridFields; ++f) {
                    const ColumnVisibility v = g.visibility[static_cast<std::size_t>(f - 1)];
                    if (v != ColumnVisibility::Unchanged)
                        layout.fieldVisible[static_cast<std::size_t>(f)] = v == ColumnVisibility::Visible;
                }
                for (int col = 0; col <= kGridFields; ++col)
                    layout.widths[static_cast<std::size_t>(col)] = g.widths[static_cast<std::size_t>(col)];
                m_app.tableCommands().restoreGridSettingsClick(layout);
                afterCommand();
            });
            m_gridActions[G::AutoGridSize] = settings->addAction(text(G::AutoGridSize), this, [this] {
                m_app.tableCommands().autoGridSizeClick(textMeasure());
                afterCommand();
            });
            QMenu* columns = settings->addMenu(text(G::ShowGridColumn));
            m_gridActions[G::ShowGridColumn] = columns->menuAction();
            for (int f = 1; f <= kGridFields; ++f) {
                QAction* a = columns->addAction(QString());
                a->setCheckable(true);
                connect(a, &QAction::triggered, this, [this, f] {
                    m_app.tableCommands().showGridColumnClick(f);
                    afterCommand();
                });
                m_showColumnActions[static_cast<std::size_t>(f)] = a;
            }
            m_gridActions[G::ShowAllColumns] = settings->addAction(text(G::ShowAllColumns), this, [this] {
                m_app.tableCommands().showAllColumnsClick();
                afterCommand();
            });
            QMenu* colours = settings->addMenu(text(G::GridColors));
            m_gridActions[G::GridColors] = colours->menuAction();
            for (const auto& [g, which] : {std::pair{G::GridColor1, 1}, {G::GridColor2, 2}}) {
                const int n = which;
                m_gridActions[g] = colours->addAction(text(g), this, [this, n] {
                    m_app.tableCommands().gridColorClick(n, [this](ColourValue current) {
                        return m_ui.chooseColour(current, m_app.frame().settings().customColours);
                    });
                    afterCommand();
                });
            }
        }
        if (id == CommandId::Record || id == CommandId::AddUrl || id == CommandId::Screenshot ||
            id == CommandId::ButtonTitles || id == CommandId::Spanish || id == CommandId::FirstProject)
            menu->addSeparator();
    }
}

QIcon MainWindow::buttonIcon(ToolButton b) const
{
    // The picture files are strips of three states; the first is the normal one.
    const QImage strip(QString::fromStdString(m_app.frame().settingsCommands().picture(m_app.baseDir(), b).string()));
    if (!strip.isNull() && strip.width() >= 3) {
        const int w = strip.width() / 3;
        const bool alpha = strip.hasAlphaChannel();
        QImage normal = strip.copy(0, 0, w, strip.height()).convertToFormat(QImage::Format_ARGB32);
        // Pictures without an alpha channel take their bottom-left pixel's
        // colour as the transparent one, as tool bar bitmaps usually do.
        const QRgb key = normal.pixel(0, normal.height() - 1);
        for (int y = 0; y < normal.height() && !alpha; ++y)
            for (int x = 0; x < normal.width(); ++x)
                if (normal.pixel(x, y) == key)
                    normal.setPixel(x, y, qRgba(0, 0, 0, 0));
        return QIcon(QPixmap::fromImage(normal));
    }
    return style()->standardIcon(standardIcon(b));
}

void MainWindow::buildToolBars()
{
    for (int t = 1; t <= 5; ++t) {
        auto* bar = new QToolBar(qstr(kToolBarHints[static_cast<std::size_t>(t - 1)]), this);
        bar->setObjectName(QStringLiteral("toolbar%1").arg(t));
        bar->setMovable(false);
        bar->setFloatable(false);
        m_toolBars[static_cast<std::size_t>(t - 1)] = bar;
    }
    for (int i = 0; i < kToolButtons; ++i) {
        const auto b = static_cast<ToolButton>(i);
        QToolBar* bar = toolBar(toolBarOf(b));
        auto* act = new QAction(buttonIcon(b), qstr(kToolButtonNames[static_cast<std::size_t>(i)]), this);
        act->setObjectName(QStringLiteral("button_") + qstr(kToolButtonNames[static_cast<std::size_t>(i)]));
        m_buttons[static_cast<std::size_t>(i)] = act;
        if (b == ToolButton::Settings) {
            // The settings button drops down the Settings menu; its face runs nothing.
            m_settingsButton = new QToolButton(bar);
            m_settingsButton->setDefaultAction(act);
            m_settingsButton->setPopupMode(QToolButton::InstantPopup);
            m_settingsButton->setMenu(m_menus.at(QStringLiteral("Vlx Control/Settings")));
            bar->addWidget(m_settingsButton);
        } else {
            bar->addAction(act);
            connect(act, &QAction::triggered, this, [this, b] { runButton(b); });
        }
    }
    arrangeToolBars();
}

void MainWindow::arrangeToolBars()
{
    const ToolbarLayout& layout = m_app.frame().settings().toolbars;
    for (QToolBar* bar : m_toolBars)
        removeToolBar(bar);
    // Bands keep their order and line breaks; a band that would not fit the
    // window's width starts a new line, so no button hides behind an arrow.
    int lineWidth = 0;
    for (std::size_t band = 0; band < layout.bands.size(); ++band) {
        const ToolBand& b = layout.bands[band];
        if (b.toolbar < 1 || b.toolbar > 5)
            continue;
        QToolBar* bar = m_toolBars[static_cast<std::size_t>(b.toolbar - 1)];
        const bool visible = layout.visible[static_cast<std::size_t>(b.toolbar - 1)];
        const int width = visible ? bar->sizeHint().width() : 0;
        if (lineWidth > 0 && ((b.newLine && band > 0) || lineWidth + width > this->width() - 8)) {
            addToolBarBreak();
            lineWidth = 0;
        }
        addToolBar(Qt::TopToolBarArea, bar);
        bar->setVisible(visible);
        lineWidth += width;
    }
}

void MainWindow::buildTable()
{
    auto* central = new QWidget(this);
    auto* box = new QVBoxLayout(central);
    box->setContentsMargins(2, 2, 2, 2);
    box->setSpacing(2);

    auto* panel = new QWidget(central);
    panel->setFixedHeight(22);
    auto* row = new QHBoxLayout(panel);
    row->setContentsMargins(4, 0, 4, 0);
    m_chosenLabel = new QLabel(panel);
    m_chosenItem = new QLabel(panel);
    QFont bold = m_chosenItem->font();
    bold.setBold(true);
    m_chosenItem->setFont(bold);
    m_chosenItem->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_infoIndicator = new QLabel(panel);
    m_screenshotIndicator = new QLabel(panel);
    row->addWidget(m_chosenLabel);
    row->addWidget(m_chosenItem, 1);
    row->addWidget(m_infoIndicator);
    row->addWidget(m_screenshotIndicator);
    box->addWidget(panel);

    m_view = new QTableView(central);
    m_view->setObjectName(QStringLiteral("itemTable"));
    m_model = new ItemTableModel(m_app.table(), this);
    m_view->setModel(m_model);
    m_view->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_view->setSelectionMode(QAbstractItemView::SingleSelection);
    m_view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_view->setContextMenuPolicy(Qt::CustomContextMenu);
    m_view->setWordWrap(false);
    m_view->verticalHeader()->setDefaultSectionSize(m_view->fontMetrics().height() + 6);
    m_view->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_view->horizontalHeader()->setHighlightSections(false);
    m_view->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    m_view->setTextElideMode(Qt::ElideRight);
    m_view->installEventFilter(this);
    box->addWidget(m_view, 1);
    setCentralWidget(central);

    connect(m_view->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& current) {
                if (!current.isValid())
                    return;
                m_app.table().setCursorReal(ItemTableModel::tableRow(current.row()), std::max(1, current.column()));
                updateChosenItem();
            });
    connect(m_model, &ItemTableModel::cursorMoved, this, [this](int cursorRow, int column) {
        const QModelIndex index = m_model->index(ItemTableModel::modelRow(cursorRow), column);
        if (index.isValid() && m_view->currentIndex() != index) {
            m_view->setCurrentIndex(index);
            m_view->scrollTo(index);
        }
        updateChosenItem();
    });
    connect(m_model, &ItemTableModel::columnsRearranged, this, [this] { layoutColumns(); });
    connect(m_model, &ItemTableModel::rowsReplaced, this, [this] { updateChosenItem(); });
    connect(m_view, &QTableView::doubleClicked, this, [this] { activateCell(); });
    connect(m_view, &QWidget::customContextMenuRequested, this, [this](const QPoint& p) { showContextMenu(p); });

    QHeaderView* header = m_view->horizontalHeader();
    connect(header, &QHeaderView::sectionClicked, this, [this](int column) {
        if (m_app.tableCommands().headingClick(column))
            afterCommand();
    });
    connect(header, &QHeaderView::sectionMoved, this, [this](int, int from, int to) {
        if (m_syncingHeader)
            return;
        // The core moves the column; the header goes back to showing real
        // columns in order, which the model's move then rearranges.
        m_syncingHeader = true;
        m_view->horizontalHeader()->moveSection(to, from);
        m_syncingHeader = false;
        m_app.table().moveColumn(from, to);
        afterCommand();
    });
    connect(header, &QHeaderView::sectionResized, this, [this](int column, int, int size) {
        if (!m_syncingHeader && column > 0 && !m_app.table().isHidden(column))
            m_app.table().setWidth(column, size);
    });
    layoutColumns();
    m_app.setTextMeasure(textMeasure());
}

ItemTable::TextMeasure MainWindow::textMeasure() const
{
    return [this](std::string_view t, bool heading) {
        const QFontMetrics metrics(heading ? m_view->horizontalHeader()->font() : m_view->font());
        // A long description or path would push every other column out of sight.
        return std::min(metrics.horizontalAdvance(qstr(t)) + (heading ? 12 : 4), 280);
    };
}

void MainWindow::layoutColumns()
{
    const ItemTable& table = m_app.table();
    QHeaderView* header = m_view->horizontalHeader();
    m_syncingHeader = true;
    // Column 0 holds nothing: the vertical header stands in for it.
    m_view->setColumnHidden(0, true);
    for (int c = 1; c < ItemTable::kColumns; ++c) {
        m_view->setColumnHidden(c, table.isHidden(c));
        if (!table.isHidden(c))
            header->resizeSection(c, std::max(table.width(c), 12));
    }
    header->setSectionsMovable(table.columnsCanBeDragged());
    header->setSectionsClickable(true);
    header->setSortIndicatorShown(false);
    m_syncingHeader = false;
}

void MainWindow::updateChosenItem()
{
    const ChosenItemPanel panel = m_app.chosenItemPanel();
    m_chosenLabel->setText(QString::fromStdString(panel.label));
    m_chosenItem->setText(QString::fromStdString(panel.item));
    auto indicator = [](QLabel* label, const ItemIndicator& i) {
        label->setText(QString::fromStdString(i.text));
        label->setStyleSheet(QStringLiteral("color: %1").arg(qColour(i.colour).name()));
    };
    indicator(m_infoIndicator, panel.info);
    indicator(m_screenshotIndicator, panel.screenshot);
}

void MainWindow::activateCell()
{
    if (!m_app.frame().projectOpen())
        return;
    m_app.activateCell();
    afterCommand();
}

void MainWindow::showContextMenu(const QPoint& pos)
{
    const QModelIndex index = m_view->indexAt(pos);
    if (index.isValid())
        m_view->setCurrentIndex(index);
    const TableContextMenu spec = m_app.tableCommands().contextMenu();
    QMenu menu(this);
    menu.setTitle(QString::fromStdString(spec.title));
    QAction* remove = menu.addAction(QString::fromStdString(spec.removeText), this, [this] { runCommand(CommandId::Remove); });
    QAction* info = menu.addAction(QString::fromStdString(spec.infoText), this, [this] { runCommand(CommandId::InfoFile); });
    QAction* shot = menu.addAction(QString::fromStdString(spec.screenshotText), this, [this] { runCommand(CommandId::Screenshot); });
    remove->setEnabled(spec.itemEntriesEnabled && m_app.frame().commands().menuEnabled(CommandId::Remove));
    info->setEnabled(spec.itemEntriesEnabled);
    shot->setEnabled(spec.itemEntriesEnabled);
    QMenu* edit = menu.addMenu(QString::fromStdString(spec.editText));
    for (int f = 1; f <= kGridFields; ++f) {
        QAction* a = edit->addAction(QString::fromStdString(spec.editLabels[static_cast<std::size_t>(f)]), this, [this, f] {
            m_app.editEntryClick(f);
            afterCommand();
        });
        a->setEnabled(spec.editEnabled[static_cast<std::size_t>(f)]);
    }
    menu.addSeparator();
    menu.addAction(style()->standardIcon(QStyle::SP_DialogHelpButton), QStringLiteral("Help"), this, [this] {
        m_app.tableCommands().contextHelpClick(m_app.language().helpFileName());
    });
    menu.exec(m_view->viewport()->mapToGlobal(pos));
}

void MainWindow::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    if (event->oldSize().width() != event->size().width())
        arrangeToolBars();
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_view && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Space) {
        activateCell();
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::storeGeometry()
{
    WindowPlacement& w = m_app.frame().settings().window;
    w.state = isMaximized() ? WindowState::Maximized : WindowState::Normal;
    if (!isMaximized() && !isMinimized()) {
        w.width = width();
        w.height = height();
    }
}

bool MainWindow::runCommand(CommandId id)
{
    storeGeometry();
    const bool ran = m_app.run(id);
    afterCommand();
    return ran;
}

bool MainWindow::runButton(ToolButton button)
{
    storeGeometry();
    const bool ran = m_app.runButton(button);
    afterCommand();
    return ran;
}

void MainWindow::afterCommand()
{
    if (m_app.frame().closed()) {
        close();
        return;
    }
    refresh();
}

void MainWindow::refresh()
{
    const MainWindowModel& frame = m_app.frame();
    setWindowTitle(QString::fromStdString(frame.title()));
    const CommandState& state = frame.commands();
    for (const auto& [id, act] : m_actions)
        act->setEnabled(state.menuEnabled(id));
    for (int i = 0; i < kToolButtons; ++i)
        m_buttons[static_cast<std::size_t>(i)]->setEnabled(state.buttonEnabled(static_cast<ToolButton>(i)));

    const Settings& s = m_app.frame().settings();
    for (int t = 1; t <= 5; ++t) {
        const auto id = static_cast<CommandId>(static_cast<int>(CommandId::ToolBar1) + t - 1);
        const ToolBar bar = SettingsCommands::toolbarOfEntry(t);
        m_actions.at(id)->setChecked(s.toolbars.toolbarVisible(bar));
    }
    m_actions.at(CommandId::ButtonTitles)->setChecked(s.toolbars.titlesChecked);
    m_actions.at(CommandId::ButtonSizeSmall)->setChecked(s.toolbars.smallChecked);
    m_actions.at(CommandId::ButtonSizeLarge)->setChecked(s.toolbars.largeChecked);
    m_menus.at(QStringLiteral("View Control/Button Size"))->setEnabled(s.toolbars.sizeMenuEnabled);
    m_actions.at(CommandId::ShowWelcome)->setChecked(s.showWelcome);
    m_actions.at(CommandId::ShowAddItemTip)->setChecked(s.showTip);
    m_actions.at(CommandId::ShowBackground)->setChecked(s.showBack);
    for (int n = 1; n <= 4; ++n)
        m_actions.at(static_cast<CommandId>(static_cast<int>(CommandId::English) + n - 1))
            ->setChecked(m_app.frame().language().isChecked(n));

    const ItemTable& table = m_app.table();
    m_gridActions.at(GridMenuEntry::GridModeNone)->setChecked(table.gridMode() == GridModeNone);
    m_gridActions.at(GridMenuEntry::GridModeColumnMove)->setChecked(table.gridMode() == GridModeColumnMove);
    m_gridActions.at(GridMenuEntry::GridModeQuickSort)->setChecked(table.gridMode() == GridModeQuickSort);
    for (int f = 1; f <= kGridFields; ++f)
        m_showColumnActions[static_cast<std::size_t>(f)]->setChecked(table.isFieldChecked(f));

    // Button look: captions under the pictures while shown, picture size by the settings.
    const ButtonGeometry& g = m_app.frame().settingsCommands().geometry();
    const int iconSize = s.toolbars.pictureSize == 0 ? 16 : 32;
    for (int i = 0; i < kToolButtons; ++i)
        m_buttons[static_cast<std::size_t>(i)]->setIcon(buttonIcon(static_cast<ToolButton>(i)));
    for (QToolBar* bar : m_toolBars) {
        bar->setIconSize(QSize(iconSize, iconSize));
        bar->setToolButtonStyle(s.toolbars.captionsShown ? Qt::ToolButtonTextUnderIcon : Qt::ToolButtonIconOnly);
        Q_UNUSED(g);
    }
    if (m_settingsButton)
        m_settingsButton->setToolButtonStyle(s.toolbars.captionsShown ? Qt::ToolButtonTextUnderIcon : Qt::ToolButtonIconOnly);
    arrangeToolBars();
    layoutColumns();
    updateChosenItem();
}

void MainWindow::retranslate()
{
    for (const Command& c : mainWindowCommands()) {
        const QString entry = qstr(c.entry);
        const int slash = entry.lastIndexOf('/');
        m_actions.at(c.id)->setText(mainText(c.captionKey, slash < 0 ? c.entry : c.entry.substr(static_cast<std::size_t>(slash) + 1)));
    }
    for (const auto& [path, menu] : m_menus) {
        const QString english = m_menuEnglish.at(path);
        menu->setTitle(mainText(menuTitleKey(english.toStdString()), english.toStdString()));
    }
    for (const auto& t : gridMenuTexts()) {
        QAction* a = m_gridActions.at(t.entry);
        a->setText(mainText(t.key, t.english));
    }
    for (int f = 1; f <= kGridFields; ++f)
        m_showColumnActions[static_cast<std::size_t>(f)]->setText(QString::fromStdString(m_app.language().fieldTitle(f)));

    const auto& captions = m_app.frame().settingsCommands().captions();
    for (int i = 0; i < kToolButtons; ++i) {
        QAction* act = m_buttons[static_cast<std::size_t>(i)];
        act->setText(QString::fromStdString(captions[static_cast<std::size_t>(i)]));
        const std::string hintKey = "E" + std::to_string(2 * i + 2);
        act->setToolTip(mainText(hintKey, kToolButtonNames[static_cast<std::size_t>(i)]));
        act->setIconText(QString::fromStdString(captions[static_cast<std::size_t>(i)]));
    }
    refresh();
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    MainWindowModel& frame = m_app.frame();
    if (!frame.closed()) {
        storeGeometry();
        if (!frame.windowCloseRequested()) {
            event->ignore();
            refresh();
            return;
        }
    }
    event->accept();
}

}  // namespace qv::gui
