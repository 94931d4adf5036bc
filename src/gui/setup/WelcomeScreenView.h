#pragma once

#include "app/ModalView.h"

#include <filesystem>
#include <vector>

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;

namespace qv {
class LanguageManager;
class WelcomeScreen;
}

namespace qv::gui {

// The welcome screen: four choices with their pictures and hints, Cancel,
// the language choice and the "show again" box.
// The wizard's picture; the edit-project picture where the wizard has none of its own.
std::filesystem::path wizardPicture(const std::filesystem::path& baseDir, const std::filesystem::path& own);

class WelcomeScreenView final : public ModalView {
    Q_OBJECT
public:
    // pictures: the new, open and wizard pictures (strips of three states).
    WelcomeScreenView(WelcomeScreen& screen, const LanguageManager& language,
                      const std::vector<std::filesystem::path>& pictures, QWidget* parent = nullptr);

private:
    void refresh() override;
    void closeRequested() override;

    WelcomeScreen& m_screen;
    const LanguageManager& m_language;
    QLabel* m_heading;
    QLabel* m_explanation;
    std::vector<QPushButton*> m_choices;
    std::vector<QLabel*> m_hints;
    QPushButton* m_cancel;
    QLabel* m_languageLabel;
    QComboBox* m_languages;
    QCheckBox* m_showAgain;
};

}  // namespace qv::gui
