#pragma once

#include "app/CommandTable.h"
#include "ui/ToolButtons.h"
#include "project/ItemTable.h"

#include <QMainWindow>

#include <array>
#include <map>

class QAction;
class QLabel;
class QMenu;
class QTableView;
class QToolBar;
class QToolButton;

namespace qv {
class Application;
}

namespace qv::gui {

class ItemTableModel;
class QtUi;

// The main window: the menu and the tool buttons built from the command
// table, the chosen-item panel and the item table. Every click goes to the
// application; afterwards the window shows the application's state again.
class MainWindow final : public QMainWindow {
    Q_OBJECT
public:
    MainWindow(Application& app, QtUi& ui);
    ~MainWindow() override;

    // Runs a command as its menu entry does; false when it is disabled.
    bool runCommand(CommandId id);
    bool runButton(ToolButton button);

    QAction* action(CommandId id) const { return m_actions.at(id); }
    QAction* buttonAction(ToolButton b) const { return m_buttons[static_cast<std::size_t>(toolButtonIndex(b))]; }
    QTableView* tableView() const { return m_view; }
    ItemTableModel* tableModel() const { return m_model; }
    QToolBar* toolBar(ToolBar t) const { return m_toolBars[static_cast<std::size_t>(static_cast<int>(t) - 1)]; }

    // Shows the application's state: title, enabled and checked entries,
    // captions, tool bars, chosen-item panel.
    void refresh();
    // Every text from the language in force.
    void retranslate();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void buildMenus();
    void buildToolBars();
    void arrangeToolBars();
    void buildTable();
    void layoutColumns();
    void updateChosenItem();
    void showContextMenu(const QPoint& pos);
    void activateCell();
    void afterCommand();
    void storeGeometry();
    ItemTable::TextMeasure textMeasure() const;
    QMenu* menuFor(const QString& path);
    QString mainText(std::string_view key, std::string_view fallback) const;
    QIcon buttonIcon(ToolButton b) const;

    Application& m_app;
    QtUi& m_ui;
    std::map<CommandId, QAction*> m_actions;
    std::map<QString, QMenu*> m_menus;               // by path "Vlx Control/Settings"
    std::map<QString, QString> m_menuEnglish;        // path -> English title of its last part
    std::map<GridMenuEntry, QAction*> m_gridActions;
    std::array<QAction*, 13> m_showColumnActions{};  // by field
    std::array<QAction*, kToolButtons> m_buttons{};
    std::array<QToolBar*, 5> m_toolBars{};
    QToolButton* m_settingsButton = nullptr;
    QTableView* m_view = nullptr;
    ItemTableModel* m_model = nullptr;
    QLabel* m_chosenLabel = nullptr;
    QLabel* m_chosenItem = nullptr;
    QLabel* m_infoIndicator = nullptr;
    QLabel* m_screenshotIndicator = nullptr;
    bool m_syncingHeader = false;
};

}  // namespace qv::gui
