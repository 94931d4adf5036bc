#pragma once

#include "ui/Ui.h"
#include "categories/IconPicture.h"

#include <filesystem>
#include <string>
#include <vector>

namespace qv {

class Language;

enum class IconChooserMode { Add, Change };

// Whoever opened the icon chooser gets the confirmed icon.
class IconChooserClient {
public:
    virtual ~IconChooserClient() = default;
    virtual void iconChosen(IconChooserMode mode, const IconPicture& icon) = 0;
};

// The icon chooser: one icon from the icon packs below ip/.
class IconChooser final : public ModalWindow {
public:
    IconChooser(Ui& ui, const Language& language, std::filesystem::path baseDir);

    static constexpr WindowKind kKind = WindowKind::IconChooser;
    WindowKind kind() const override { return kKind; }

    // Shows the chooser modally for the command that opened it; the
    // confirmed icon goes to client. Returns whether an icon was confirmed.
    bool execute(IconChooserMode mode, IconChooserClient& client);

    // Commands
    void ipwahlChange(int index);
    void selectIcon(int index);  // -1: none
    void OKClick();
    void CancelClick();

    // State for the view
    const std::vector<std::string>& packChoices() const { return m_packChoices; }
    int packIndex() const { return m_packIndex; }
    const std::vector<std::string>& iconCaptions() const { return m_captions; }
    const std::vector<IconPicture>& pictures() const { return m_pictures; }
    int selectedIcon() const { return m_selected; }
    IconChooserMode mode() const { return m_mode; }

    // Pictures are shown at this size.
    static constexpr int kPictureSize = 32;

private:
    void onPrepare() override;
    void loadPack();

    Ui& m_ui;
    const Language& m_language;
    std::filesystem::path m_baseDir;

    bool m_packsListed = false;  // the pack list is built once per run
    std::vector<std::string> m_packChoices;
    int m_packIndex = -1;
    std::string m_packNumber;
    std::vector<std::string> m_captions;
    std::vector<IconPicture> m_pictures;
    int m_selected = -1;

    IconChooserMode m_mode = IconChooserMode::Add;
    IconChooserClient* m_client = nullptr;
    bool m_confirmed = false;
};

}  // namespace qv
