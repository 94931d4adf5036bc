#pragma once

#include <array>
#include <filesystem>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include <QDialog>

#include "design/DesignEditor.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QListWidget;
class QPushButton;
class QSpinBox;
class QTabWidget;
class QToolButton;

namespace qv {
class Language;
}

namespace qv::gui {

class DesignSample;

// The design editor's window: seven pages of controls, the live sample and
// the closing buttons. Every control forwards to one command of the core
// editor; after each command the window shows the editor's state again.
class DesignEditorView final : public QDialog {
    Q_OBJECT
public:
    DesignEditorView(DesignEditor& editor, const Language& language, std::filesystem::path baseDir,
                     QWidget* parent = nullptr);

    void retranslate(const Language& language);
    // Shows the editor's state: every control, the caption and the sample.
    void refresh();

    // For tests and screenshots.
    QToolButton* colourButton(ColourSetting setting) const { return m_colours[static_cast<std::size_t>(setting)]; }
    DesignSample* sample() const { return m_sample; }
    QTabWidget* pages() const { return m_pages; }
    QPushButton* okButton() const { return m_ok; }
    QPushButton* cancelButton() const { return m_cancel; }
    QComboBox* fontChooser(DesignFont font) const { return m_fonts[static_cast<std::size_t>(font)]; }
    QLabel* fontMark(DesignFont font) const { return m_fontMarks[static_cast<std::size_t>(font)]; }

protected:
    void reject() override;

private:
    // Runs a command of the editor, then shows its state; a command that
    // closed the editor closes the window.
    void run(const std::function<void()>& command);

    // Controls that carry a text of the window's section, by key number.
    QLabel* label(int key);
    QPushButton* button(int key, std::function<void()> command);
    QGroupBox* group(int key);
    // Entries: key numbers, or 0 followed by a literal in literals.
    QComboBox* choice(std::vector<int> keys, std::function<void(int)> changed,
                      std::vector<std::string> literals = {});
    QToolButton* colour(ColourSetting setting);
    // The chooser with its mark beside it in row.
    QComboBox* fontChooser(DesignFont font, QWidget*& row);
    QSpinBox* spin(int maximum, std::function<void(int)> changed);
    QCheckBox* check(int key, std::function<void(bool)> changed);
    QLabel* thumbnail();

    QWidget* backgroundPage();
    QWidget* boxPage();
    QWidget* buttonPage();
    QWidget* fontPage();
    QWidget* soundPage();
    QWidget* appearancePage();
    QWidget* filePage();

    void showThumbnail(QLabel* target, const std::filesystem::path& picture, int emptyKey);
    void setChoice(QComboBox* combo, int index);
    void showFonts();
    QString text(int key) const;

    DesignEditor& m_editor;
    const Language* m_language;
    std::filesystem::path m_baseDir;
    bool m_refreshing = false;
    int m_fontJustChosen = -1;  // a face that didn't resolve stays shown beside its red mark

    std::vector<std::pair<QWidget*, int>> m_texts;
    std::vector<std::pair<QComboBox*, std::vector<int>>> m_choiceTexts;
    std::vector<std::string> m_faces;

    QTabWidget* m_pages = nullptr;
    DesignSample* m_sample = nullptr;
    QLabel* m_sampleHint = nullptr;
    std::array<QToolButton*, kColourSettingCount> m_colours{};
    std::array<QComboBox*, kDesignFontCount> m_fonts{};
    std::array<QLabel*, kDesignFontCount> m_fontMarks{};

    QPushButton* m_bgBand = nullptr;
    QPushButton* m_bgBitmap = nullptr;
    QLabel* m_bgPicture = nullptr;
    QComboBox* m_tileMode = nullptr;
    std::array<QComboBox*, 3> m_boxPictures{};

    QPushButton* m_btnBand = nullptr;
    QPushButton* m_btnBitmap = nullptr;
    QPushButton* m_btnTransparent = nullptr;
    QLabel* m_btnPicture = nullptr;
    QComboBox* m_btnStyle = nullptr;
    QComboBox* m_btnEffect = nullptr;
    QComboBox* m_btnTextEffect = nullptr;
    QComboBox* m_btnSize = nullptr;
    QCheckBox* m_btnBold = nullptr;
    QSpinBox* m_btnShadowDepth = nullptr;
    QSpinBox* m_btnBorderWidth = nullptr;

    std::array<QComboBox*, 3> m_textEffects{};
    std::array<QComboBox*, 3> m_textSizes{};
    std::array<QCheckBox*, 3> m_textBold{};

    QListWidget* m_soundSlots = nullptr;
    QLabel* m_soundFile = nullptr;
    QPushButton* m_play = nullptr;
    QPushButton* m_stop = nullptr;

    QComboBox* m_menuLanguage = nullptr;
    QComboBox* m_letterCase = nullptr;
    QLabel* m_splashPicture = nullptr;
    QPushButton* m_splashClear = nullptr;
    QPushButton* m_splashPreview = nullptr;
    QSpinBox* m_frameWidth = nullptr;
    QSpinBox* m_delay = nullptr;
    QToolButton* m_icon = nullptr;
    QPushButton* m_iconClear = nullptr;

    QLabel* m_designFile = nullptr;
    QPushButton* m_ok = nullptr;
    QPushButton* m_cancel = nullptr;
    std::array<QPushButton*, 4> m_closing{};  // info, help, OK, cancel
};

}  // namespace qv::gui
