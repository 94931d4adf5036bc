#pragma once

#include <array>
#include <memory>

#include <QImage>
#include <QWidget>

#include "Desktop.h"
#include "ItemActions.h"
#include "MenuData.h"
#include "MenuScene.h"

class QSoundEffect;

namespace rnv {

class DetailsView;
class MenuBox;
class MenuButton;
class MenuList;

// The menu: categories, the items of the chosen category and the details of
// the chosen item, with the commands on that item below. The scene decides
// what goes where and what is allowed; this window paints it with Qt.
class MenuWindow final : public QWidget {
    Q_OBJECT
public:
    struct Options {
        bool sounds = true;
    };

    // desktop may be null: the window then talks to the real desktop.
    MenuWindow(MenuData menu, std::unique_ptr<Desktop> desktop, Options options, QWidget* parent = nullptr);
    ~MenuWindow() override;

    // Chooses category n and, when i >= 0, its item i. False when there is no such entry.
    bool select(int category, int item = -1);
    const MenuItem* currentItem() const;
    int currentCategory() const;

    const MenuData& data() const { return m_scene.data(); }
    ItemActions& actions() { return m_scene.actions(); }
    const MenuScene& scene() const { return m_scene; }
    MenuList* categoryList() const { return m_categories; }
    MenuList* itemList() const { return m_items; }
    DetailsView* details() const { return m_details; }
    MenuButton* button(Action action) const { return m_buttons[static_cast<std::size_t>(action)]; }
    MenuBox* box(int which) const { return m_boxes[static_cast<std::size_t>(which)]; }

    // Sound 1 at start, 2 the standard sound, 3 buttons, 4 copy complete.
    void playSound(int number);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildCategories();
    void placeWidgets();
    // Takes what a key did in the scene to the lists' focus and the actions.
    bool applyKey(Key key);
    void categoryChanged();
    void itemChanged();
    void updateButtons();
    void runAction(Action action);
    void copyItem(const MenuItem& item);
    void showInfo(const MenuItem& item);
    void showScreenshot(const MenuItem& item);

    std::unique_ptr<Desktop> m_desktop;
    MenuScene m_scene;
    Options m_options;
    QImage m_background;
    QImage m_buttonPicture;
    std::array<MenuBox*, 3> m_boxes{};
    MenuList* m_categories = nullptr;
    MenuList* m_items = nullptr;
    DetailsView* m_details = nullptr;
    std::array<MenuButton*, static_cast<std::size_t>(Action::Count)> m_buttons{};
    std::array<QSoundEffect*, 5> m_sounds{};
};

// Registers the fonts that lie in CFG/ for this process.
void loadMenuFonts(const MenuData& data);

}  // namespace rnv
