#pragma once

namespace qv {

inline constexpr const char* kProgramName = "Krynt - Quenvar";
inline constexpr const char* kApplicationTitle = "Krynt - Quenvar 4.5";
inline constexpr const char* kMessageBoxTitle = "Krynt - Quenvar";
inline constexpr const char* kAboutTitle = "Krynt - Quenvar Informations ...";
inline constexpr const char* kVersionLine = "Version 4.5";
inline constexpr const char* kTitleBeforeLanguage = "Krynt - Quenvar - Please load/create a project";
inline constexpr int kAboutHelpTopic = 300;
inline constexpr int kFirstProjectHelpTopic = 5100;
inline constexpr int kTableHelpTopic = 1600;

}  // namespace qv
